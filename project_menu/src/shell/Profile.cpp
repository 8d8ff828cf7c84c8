#include "Profile.h"

#include "ErrorManager.h"

bool Profile::hasSavedGame(int mode) const
{
    KIV_ASSERT(mode >= 0 && mode < MODE_COUNT);
    return savedGames[mode].housesPlayed > 0;
}

void Profile::clearSavedGame(int mode)
{
    KIV_ASSERT(mode >= 0 && mode < MODE_COUNT);
    savedGames[mode].housesPlayed = 0;
}
