#pragma once
// SmileyGenerator: makes the smileys of a house. Once per house it decides
// which feature kinds vary and how many variants of each are in play (fewer
// variants: more shared features, a harder house); each new smiley draws its
// variants from per-feature pools that callers steer, forbidding the
// variants of a given smiley (so the next can match it) or requiring one of
// its features (so the next cannot). The pools and their draws are the
// rules' SmileyPools; this class reads the feature textures' frame counts
// and builds the smileys. The game controller owns one, outside the object
// tree, for the whole game. Feature indices: 0 body, 1 eyes, 2 mouth,
// 3 hair, 4 brows. Main thread only.
#include "KivBase.h"
#include "rules/SmileyPools.h"

#include <cstdint>

class BoardHost;
class Feature;
class RandomSource;
class Smiley;

class SmileyGenerator : public KivBase, public SmileyPools {
public:
    // Nothing varies; configure and setup run before the first smiley.
    // Draws from the game's random sequence (StandardRandom).
    SmileyGenerator();

    // Variant counts, a random frame for each variant and the pool sizes;
    // hardness 0 (every frame in play) .. 1 (two variants per varying
    // feature). Needs the loaded feature textures: one with no frames or
    // more than MAX_VARIANTS, or a glow or blink texture with fewer frames
    // than its feature's, is fatal and named.
    void setup(float hardness);
    // Forbids each of s's variants for the next smiley; s may be null.
    void avoidFeaturesOf(const Smiley* s);
    // Requires one relevant, not yet required feature of s for the next
    // smiley (the eyes when none is left); s may be null.
    void shareFeatureWith(const Smiley* s);
    // A new smiley with five features, attached to host (the caller owns it);
    // not in any scene.
    Smiley* createSmiley();
    // A new feature of kind index (0..4; anything else is fatal) with its
    // variant count; the caller owns it.
    Feature* createFeatureByIndex(int index) const;
    // A variant 0..n-1 (n 1..MAX_VARIANTS, after setup) of feature f from
    // the pools (required first, then allowed, else any).
    int pickVariant(int f, int n) const;

    // Where the draws come from; not owned, never null.
    RandomSource* random;
    // The game its smileys belong to; not owned; null outside a game.
    BoardHost* host = nullptr;
};
