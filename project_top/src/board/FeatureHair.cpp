#include "board/FeatureHair.h"

#include "board/TextureFrames.h"

FeatureHair::FeatureHair(int variants) : Feature(variants)
{
    // Where hair does not vary the smileys are bald: no skin at all.
    if (variantCount == 1)
        return;
    const TextureFrames hair("hair");
    const TextureFrames outlines("hairGlow");
    for (int i = 0; i < variantCount; ++i) {
        skins[i] = hair.frame(i);
        glowSkins[i] = outlines.frame(i);
    }
}
