#pragma once
// SmileyFace: what the match rule and the generator need of a smiley, as
// plain values: a variant per feature slot, whether the slot holds a feature
// and whether that feature matters in the house (it varies there). Slots:
// 0 body, 1 eyes, 2 mouth, 3 hair, 4 brows. A clown's face is a wildcard.
#include <cstdint>

struct SmileyFace {
    static constexpr int FEATURE_SLOTS = 5;
    enum FeatureIndex { BODY, EYES, MOUTH, HAIR, BROWS };

    // Valid slots, 0..FEATURE_SLOTS: the match rule compares this many.
    int32_t featureCount = 0;
    bool present[FEATURE_SLOTS] = {};
    int32_t variant[FEATURE_SLOTS] = {};
    bool relevant[FEATURE_SLOTS] = {};
    bool clown = false;
};
