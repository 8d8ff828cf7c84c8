#include "board/FeatureMouth.h"

#include "board/TextureFrames.h"

FeatureMouth::FeatureMouth(int variants) : Feature(variants)
{
    const TextureFrames mouths("mouths");
    const TextureFrames outlines("mouthsGlow");
    for (int i = 0; i < variantCount; ++i) {
        skins[i] = mouths.frame(i);
        glowSkins[i] = outlines.frame(i);
    }
}
