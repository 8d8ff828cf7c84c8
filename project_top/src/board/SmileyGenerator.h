#pragma once
// SmileyGenerator: makes the smileys of a house. Once per house it decides
// which feature kinds vary and how many variants of each are in play (fewer
// variants: more shared features, a harder house); each new smiley draws its
// variants from per-feature pools that callers steer, forbidding the
// variants of a given smiley (so the next can match it) or requiring one of
// its features (so the next cannot). The game controller owns one, outside
// the object tree, for the whole game. Feature indices: 0 body, 1 eyes,
// 2 mouth, 3 hair, 4 brows. Randomness comes from rand(), in a fixed order.
// Main thread only.
#include "KivBase.h"

#include <cstdint>

class Feature;
class Smiley;

class SmileyGenerator : public KivBase {
public:
    static constexpr int FEATURE_KINDS = 5;
    static constexpr int MAX_VARIANTS = 16;

    // Nothing varies; configure and setup run before the first smiley.
    SmileyGenerator();

    // flags: bit 0 hair varies, bit 1 body, bit 2 brows (eyes and mouth
    // always vary); clears the pool sizes.
    void configure(int flags);
    // Variant counts, a random frame for each variant and the pool sizes;
    // hardness 0 (every frame in play) .. 1 (two variants per varying
    // feature). Needs the loaded feature textures: one with no frames or
    // more than MAX_VARIANTS, or a glow or blink texture with fewer frames
    // than its feature's, is fatal and named.
    void setup(float hardness);
    // Every variant allowed, none required.
    void resetPools();
    // Forbids each of s's variants for the next smiley; s may be null.
    void avoidFeaturesOf(const Smiley* s);
    // Requires one relevant, not yet required feature of s for the next
    // smiley (the eyes when none is left); s may be null.
    void shareFeatureWith(const Smiley* s);
    // A new smiley with five features (the caller owns it); not in any scene.
    Smiley* createSmiley();
    // A new feature of kind index (0..4; anything else is fatal) with its
    // variant count; the caller owns it.
    Feature* createFeatureByIndex(int index) const;
    // A variant 0..n-1 (n 1..MAX_VARIANTS, after setup) of feature f from
    // the pools (required first, then allowed, else any).
    int pickVariant(int f, int n) const;

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
