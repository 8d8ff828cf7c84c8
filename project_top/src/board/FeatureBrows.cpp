#include "board/FeatureBrows.h"

#include "board/TextureFrames.h"

FeatureBrows::FeatureBrows(int variants) : Feature(variants)
{
    const TextureFrames brows("brows");
    const TextureFrames outlines("browsGlow");
    for (int i = 0; i < variantCount; ++i) {
        skins[i] = brows.frame(i);
        glowSkins[i] = outlines.frame(i);
    }
}
