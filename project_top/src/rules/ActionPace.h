#pragma once
// ActionPace: how fast action mode runs. Every house starts with the
// thermometer half full, draining at START_DRAIN; the drain keeps that speed
// for the first 60 + 15 * housesPlayed seconds of the house and then grows
// in proportion to the time played. A match fills what about 15 (on the first
// houses) to 30 (on the sixtieth) matches fill, three more per difficulty
// step; a mistake takes away 0.65 of a match. Plain values; no state.
class ActionPace {
public:
    // Thermometer units per second at the start of every house.
    static constexpr float START_DRAIN = 1.0f / 120.0f;
    static constexpr float START_LEVEL = 0.5f;
    static constexpr float MISTAKE_SHARE = 0.65f;

    ActionPace() = delete;

    // 0 on the first house, 1 on the sixtieth.
    static float progress(int housesPlayed) { return static_cast<float>(housesPlayed - 1) / 59.0f; }
    static float matchGain(int difficulty, int housesPlayed);
    static float mistakeLoss(float matchGain) { return matchGain * MISTAKE_SHARE; }
    // The drain after secondsInHouse of play.
    static float drainSpeed(float baseDrain, double secondsInHouse, int housesPlayed);
    // Longest wait (seconds) before a multiplier bubble.
    static float bubbleMax(int housesPlayed) { return 24.0f - 8.0f * progress(housesPlayed); }
};
