#include "game/HouseSmileys.h"

#include "BasicLinkIterator.h"
#include "board/Smiley.h"

namespace {
// A smiley's partner count when there is no smiley to count.
constexpr int NO_CANDIDATE = 1000;
constexpr int MOST_DRAWS = 100;
}

HouseSmileys::HouseSmileys(KivBase* smileyLayer) : layer(smileyLayer)
{
}

int HouseSmileys::countPartners(Smiley* s) const
{
    int count = 0;
    BasicLinkIterator walk(layer);
    while (Smiley* other = static_cast<Smiley*>(walk.next()))
        if (other->state != Smiley::STATE_LEAVING && s->canMatch(other, false))
            ++count;
    return count;
}

Smiley* HouseSmileys::findHardest(int* partners) const
{
    Smiley* hardest = nullptr;
    int fewest = NO_CANDIDATE;
    BasicLinkIterator walk(layer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next())) {
        if (smiley->state != Smiley::STATE_PRESENT || smiley->isClown)
            continue;
        const int count = countPartners(smiley);
        if (!hardest || count < fewest) {
            hardest = smiley;
            fewest = count;
        }
    }
    if (partners)
        *partners = fewest;
    return hardest;
}

bool HouseSmileys::anyMatchLeft() const
{
    for (BasicLink* later = layer->pFirstChild; later; later = later->pNext) {
        if (later->bDead || later->bDetached)
            continue;
        for (BasicLink* earlier = layer->pFirstChild; earlier != later; earlier = earlier->pNext)
            if (!earlier->bDead && !earlier->bDetached &&
                static_cast<Smiley*>(later)->canMatch(static_cast<Smiley*>(earlier), false))
                return true;
    }
    return false;
}

int HouseSmileys::countWaiting() const
{
    int count = 0;
    BasicLinkIterator walk(layer);
    while (KivBase* smiley = walk.next())
        if (smiley->state == Smiley::STATE_PRESENT)
            ++count;
    return count;
}

Smiley* HouseSmileys::selected() const
{
    BasicLinkIterator walk(layer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        if (smiley->selected)
            return smiley;
    return nullptr;
}

void HouseSmileys::deselectAll() const
{
    BasicLinkIterator walk(layer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        smiley->selected = false;
}

Smiley* HouseSmileys::inApartment(const Apartment* apartment) const
{
    BasicLinkIterator walk(layer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        if (smiley->apartment == apartment)
            return smiley;
    return nullptr;
}

Smiley* HouseSmileys::findPlayable() const
{
    for (int draw = 0; draw < MOST_DRAWS; ++draw) {
        KivBase* pick = static_cast<KivBase*>(layer->getRandomChild());
        if (!pick || pick->state == Smiley::STATE_PRESENT)
            return static_cast<Smiley*>(pick);
    }
    return nullptr;
}
