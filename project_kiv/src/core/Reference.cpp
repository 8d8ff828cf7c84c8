#include "Reference.h"

#include "KivBase.h"

void Reference::set(KivBase* target)
{
    if (pTarget == target)
        return;
    if (pTarget) {
        Reference** link = &pTarget->pFirstReference;
        while (*link && *link != this)
            link = &(*link)->pNextOfTarget;
        if (*link)
            *link = pNextOfTarget;
    }
    pTarget = target;
    pNextOfTarget = nullptr;
    if (target) {
        pNextOfTarget = target->pFirstReference;
        target->pFirstReference = this;
    }
}
