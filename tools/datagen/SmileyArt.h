#pragma once
// SmileyArt: the smiley feature textures (body, eyes with their blink and
// glow frames, mouths, hair, brows, each with glow outlines) and the clown.
// Every frame shares one square canvas centred on the face, so the default
// centred anchors stack the layers exactly.
#include "DataWriter.h"

class SmileyArt {
public:
    static constexpr int kCanvas = 80;
    void generate(DataWriter& out) const;
};
