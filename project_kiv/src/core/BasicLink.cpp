#include "BasicLink.h"

#include <cstdlib>

void BasicLink::addChildLast(BasicLink* child)
{
    child->pParent = this;
    child->pNext = nullptr;
    child->pPrev = pLastChild;
    if (pLastChild)
        pLastChild->pNext = child;
    else
        pFirstChild = child;
    pLastChild = child;
}

void BasicLink::addChildFirst(BasicLink* child)
{
    child->pParent = this;
    child->pPrev = nullptr;
    child->pNext = pFirstChild;
    if (pFirstChild)
        pFirstChild->pPrev = child;
    else
        pLastChild = child;
    pFirstChild = child;
}

void BasicLink::removeChild(BasicLink* child)
{
    if (child->pPrev)
        child->pPrev->pNext = child->pNext;
    else
        pFirstChild = child->pNext;
    if (child->pNext)
        child->pNext->pPrev = child->pPrev;
    else
        pLastChild = child->pPrev;
    child->pPrev = child->pNext = nullptr;
    child->pParent = nullptr;
}

int BasicLink::getChildCount() const
{
    int count = 0;
    for (const BasicLink* node = pFirstChild; node; node = node->pNext)
        ++count;
    return count;
}

BasicLink* BasicLink::getChildAt(int index) const
{
    BasicLink* node = pFirstChild;
    for (int i = 1; i <= index && node; ++i)
        node = node->pNext;
    return node;
}

BasicLink* BasicLink::getRandomChild() const
{
    int count = getChildCount();
    if (count == 0)
        return nullptr;
    return getChildAt(std::rand() % count);
}
