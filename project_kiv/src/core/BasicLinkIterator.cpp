#include "BasicLinkIterator.h"

#include "KivBase.h"

BasicLinkIterator::BasicLinkIterator(BasicLink* parent, bool deleteDead)
    : pParent(parent), pUpcoming(parent->pFirstChild), bDeleteDead(deleteDead)
{
}

KivBase* BasicLinkIterator::next()
{
    if (pYielded) {
        BasicLink* yielded = pYielded;
        pYielded = nullptr;
        if (bDeleteDead && yielded->bDead && yielded->pParent == pParent)
            static_cast<KivBase*>(yielded)->deleteMe();
    }
    while (BasicLink* node = pUpcoming) {
        pUpcoming = node->pNext;
        if (node->bDead) {
            if (bDeleteDead)
                static_cast<KivBase*>(node)->deleteMe();
            continue;
        }
        if (node->bDetached)
            continue;
        pYielded = node;
        return static_cast<KivBase*>(node);
    }
    return nullptr;
}
