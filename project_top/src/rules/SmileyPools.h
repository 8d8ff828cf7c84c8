#pragma once
// SmileyPools: the smiley generator's rules for one house, as plain values.
// Which feature kinds vary (eyes and mouth always do), how many variants of
// each are in play (fewer variants: more shared features, a harder house),
// the frame shown for each variant, and the steering of the next smiley:
// forbid the variants of a face (so the next can match it) or require one
// of its features (so the next cannot). Every draw comes from the
// RandomSource the caller passes, one number per draw, in a fixed order.
// Slots as in SmileyFace: 0 body, 1 eyes, 2 mouth, 3 hair, 4 brows.
#include "rules/SmileyFace.h"

#include <cstdint>

class RandomSource;

class SmileyPools {
public:
    static constexpr int FEATURE_KINDS = SmileyFace::FEATURE_SLOTS;
    // The per-feature tables' size: no feature may have more frames.
    static constexpr int MAX_VARIANTS = 16;
    // Body colours in play when the body varies.
    static constexpr int BODY_VARIANTS = 3;
    // Fewest variants a varying feature is cut down to.
    static constexpr int LEAST_POOL = 2;

    // The frames of the four drawn features, each 1..MAX_VARIANTS.
    struct FrameCounts {
        int eyes;
        int mouths;
        int hair;
        int brows;
    };

    // flags: bit 0 hair varies, bit 1 body, bit 2 brows; clears the pool
    // sizes and variant totals.
    void configure(int flags);
    // The variant totals from the frame counts, a random permutation of the
    // frames for each feature, then the pools cut down by hardness: 0 keeps
    // every frame in play, 1 leaves LEAST_POOL variants of each varying
    // feature (the largest pool loses one at a time, ties to the higher
    // slot).
    void prepare(float hardness, const FrameCounts& frames, RandomSource& random);
    // Every variant allowed, none required.
    void resetPools();
    // Forbids each of the face's variants (its slots below its count) for the
    // next smiley.
    void avoid(const SmileyFace& face);
    // Requires one relevant, not yet required feature of the face (a random
    // one of those; the eyes when none is left) for the next smiley.
    void share(const SmileyFace& face, RandomSource& random);
    // A variant 0..n-1 (n 1..MAX_VARIANTS) of feature f: a required and
    // allowed one, else an allowed one, else any.
    int drawVariant(int f, int n, RandomSource& random) const;

    bool varyHair = false;
    bool varyBody = false;
    bool varyBrows = false;
    // Variants in play per feature.
    int32_t poolSize[FEATURE_KINDS] = {};
    // Frames available per feature.
    int32_t variantTotal[FEATURE_KINDS] = {};
    bool allowed[FEATURE_KINDS][MAX_VARIANTS] = {};
    bool required[FEATURE_KINDS][MAX_VARIANTS] = {};
    // Frame shown for each variant; -1 where none is assigned.
    int32_t frameOf[FEATURE_KINDS][MAX_VARIANTS] = {};
};
