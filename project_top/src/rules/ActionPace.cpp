#include "rules/ActionPace.h"

#include <algorithm>

float ActionPace::matchGain(int difficulty, int housesPlayed)
{
    const float fewest = 3.0f * static_cast<float>(difficulty) + 15.0f;
    const float most = 3.0f * static_cast<float>(difficulty) + 30.0f;
    return 1.0f / (fewest + (most - fewest) * progress(housesPlayed));
}

float ActionPace::drainSpeed(float baseDrain, double secondsInHouse, int housesPlayed)
{
    const float share = static_cast<float>(secondsInHouse) / (15.0f * static_cast<float>(housesPlayed) + 60.0f);
    return baseDrain * std::max(1.0f, share);
}
