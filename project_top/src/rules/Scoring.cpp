#include "rules/Scoring.h"

#include "rules/MatchRule.h"

#include <algorithm>

int32_t Scoring::smileyValue(int neighbourhood, int difficulty)
{
    return POINTS_STEP * (neighbourhood + difficulty) + POINTS_STEP;
}

int Scoring::mistakePenalty(int difficulty)
{
    return -1000 * (difficulty + 1);
}

int Scoring::chainLinks(const std::vector<SmileyFace>& historyNewestFirst, const SmileyFace& a)
{
    int links = 0;
    const SmileyFace* link = &a;
    for (size_t k = 0; k < historyNewestFirst.size() && !historyNewestFirst[k].clown; ++k) {
        if (!MatchRule::canMatch(historyNewestFirst[k], *link))
            break;
        ++links;
        link = &historyNewestFirst[k];
    }
    return links;
}

int Scoring::chainPoints(int links, int difficulty)
{
    return (difficulty + 1) * links * 100;
}

float Scoring::chainColourBlend(int links)
{
    return std::clamp(static_cast<float>(links - 2) * 0.125f, 0.0f, 1.0f);
}

std::vector<Scoring::HouseBonus> Scoring::houseBonuses(const HouseBonusFlags& earned, int neighbourhood)
{
    const int n = neighbourhood + 1;
    const struct {
        bool due;
        HouseBonus bonus;
    } table[] = {
        {earned.clear, {CLEAR_BONUS, "clear bonus", 3000}},
        {earned.eagleEye, {EAGLE_EYE, "eagle eye", 5000}},
        {earned.match, {MATCH_BONUS, "match bonus", 10000 * n}},
        {earned.extra, {EXTRA_BONUS, "extra bonus", 5000 * n}},
    };
    std::vector<HouseBonus> due;
    for (const auto& row : table)
        if (row.due)
            due.push_back(row.bonus);
    return due;
}

int32_t Scoring::addPoints(int32_t current, int points, int multiplier, bool useMultiplier)
{
    const int64_t gain = useMultiplier && points > 0 ? static_cast<int64_t>(points) * multiplier : points;
    return addCount(current, gain);
}

// Summed in 64 bits, so that a large bonus times a multiplier can neither
// wrap nor leave the range of the stored count.
int32_t Scoring::addCount(int32_t current, int64_t n)
{
    const int64_t sum = static_cast<int64_t>(current) + n;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, 0, INT32_MAX));
}
