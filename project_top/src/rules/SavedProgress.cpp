#include "rules/SavedProgress.h"

#include "rules/HouseProgression.h"

bool SavedProgress::canContinue(int slotCount) const
{
    if (neighbourhood < 0 || neighbourhood >= HouseProgression::NEIGHBOURHOOD_COUNT)
        return false;
    if (houseIndex < 0 || houseIndex >= HouseProgression::neighbourhoodHouses[neighbourhood])
        return false;
    int housesBefore = houseIndex;
    for (int n = 0; n < neighbourhood; ++n)
        housesBefore += HouseProgression::neighbourhoodHouses[n];
    if (housesPlayed != housesBefore || housesPlayed < 1)
        return false;
    if (score < 0 || coins < 0 || lives < 1 || usedSlots < 0)
        return false;
    return slotCount <= 0 || usedSlots < slotCount;
}
