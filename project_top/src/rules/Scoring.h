#pragma once
// Scoring: the points of the game's rules, as plain numbers. What a smiley
// is worth, what a mistake and a leftover cost, the chain and circus bonuses
// paid on a match, the bonuses due when a house ends and how their popups
// line up, and how a gain goes into the score (through the multiplier,
// never below 0 nor past the largest count). difficulty is the game's
// setting 0..3; neighbourhood 0..7. No state.
#include "rules/SmileyFace.h"

#include <cstdint>
#include <vector>

class Scoring {
public:
    // Points per neighbourhood and difficulty step.
    static constexpr int32_t POINTS_STEP = 125;
    // What a smiley left unmatched costs where the mode charges for it.
    static constexpr int LEFTOVER_PENALTY = 100;
    static constexpr int CIRCUS_BONUS = 25000;
    // Entries the match history keeps after each chain test.
    static constexpr int CHAIN_MEMORY = 8;
    // Bonus popups stand this far apart, pitched three semitones apart.
    static constexpr int BONUS_SPACING = 125;
    static constexpr float BONUS_PITCH_STEP = 1.189331394875f;

    enum HouseBonusKind { CLEAR_BONUS, EAGLE_EYE, MATCH_BONUS, EXTRA_BONUS };
    struct HouseBonus {
        HouseBonusKind kind;
        const char* name;
        // Before the popup's own difficulty factor (popupPoints).
        int points;
    };
    // The bonuses a house has earned, in the order they are tested and laid
    // out.
    struct HouseBonusFlags {
        bool clear;
        bool eagleEye;
        bool match;
        bool extra;
    };

    Scoring() = delete;

    // A smiley's value: one step, plus one per neighbourhood and difficulty
    // step.
    static int32_t smileyValue(int neighbourhood, int difficulty);
    // The (negative) points of a mistake in quest and puzzle mode.
    static int mistakePenalty(int difficulty);
    // A matched smiley's points: its value times its bubble's number (1
    // without a bubble).
    static int matchReward(int32_t value, int bubbleNumber) { return bubbleNumber * value; }
    // The links of the chain that a match of a (and its partner) closes:
    // walking the match history from its newest entry, each entry that can
    // be matched with the one after it (the newest with a) is a link; a
    // clown ends the walk, and one at the newest end leaves no chain.
    static int chainLinks(const std::vector<SmileyFace>& historyNewestFirst, const SmileyFace& a);
    // The points of a chain of links (at least 1).
    static int chainPoints(int links, int difficulty);
    // Semitones the chain's jingle is pitched by.
    static int chainPitch(int links) { return (links - 2) / 2; }
    // 0..1 from the chain's first colour to its last.
    static float chainColourBlend(int links);
    // Both matched smileys are clowns.
    static bool circusDue(bool aIsClown, bool bIsClown) { return aIsClown && bIsClown; }
    // The due house bonuses, in order.
    static std::vector<HouseBonus> houseBonuses(const HouseBonusFlags& earned, int neighbourhood);
    // What a bonus popup shows and credits, before the score multiplier.
    static int popupPoints(int points, int difficulty) { return points * (1 + difficulty); }
    // The x of popup k of count in the centred row.
    static int bonusRowX(int count, int k) { return ((1 - count) * BONUS_SPACING) / 2 + k * BONUS_SPACING; }
    // Seconds before popup k shows.
    static float bonusDelay(int k) { return 1.0f + 0.5f * static_cast<float>(k); }
    // current + points, times multiplier when useMultiplier is set and the
    // points are a gain; never below 0 nor above INT32_MAX.
    static int32_t addPoints(int32_t current, int points, int multiplier, bool useMultiplier);
    // current + n (coins, lives), never below 0 nor above INT32_MAX.
    static int32_t addCount(int32_t current, int64_t n);
};
