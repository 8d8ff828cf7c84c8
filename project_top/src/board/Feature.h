#pragma once
// Feature: one of the five layers that draw a smiley (body, eyes, mouth,
// hair, brows): it shows one frame of its texture, and its variant is what
// the match rule compares. A clashing feature glows green and fades. The
// generator (or the ending) creates it, and the smiley owns it as a child,
// ticks and draws it. The skins belong to the resource root; a kind whose
// texture lacks a frame for one of its variants stops with a fatal report
// naming the texture. Main thread only.
#include "Renderable.h"

#include <cstdint>

class Skin;

class Feature : public Renderable {
public:
    // Most frames a feature texture may have.
    static constexpr int MAX_VARIANTS = 16;

    // variants: number of variants of this kind in the current house
    // (1..16); relevant when above 1. No skin is shown until setVariant.
    explicit Feature(int variants);

    // Fades the glow (0.75 per second), then the object-tree update.
    void tick(double t, double dt) override;
    // The frame, then the pulsing glow outline while glow > 0.
    void render() override;
    // newVariant: the match identity; newFrame: index into skins (below the
    // variant count).
    virtual void setVariant(int newVariant, int newFrame);

    // Indexed by frame; null past the variant count. Not owned.
    Skin* skins[MAX_VARIANTS] = {};
    Skin* glowSkins[MAX_VARIANTS] = {};
    // 0..1; set to 1 by a clash found with highlight.
    float glow = 0.0f;
    // Takes part in the match rule.
    bool relevant = false;
    int32_t variant = 0;
    int32_t frame = 0;
    int32_t variantCount = 0;
};
