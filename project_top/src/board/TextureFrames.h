#pragma once
// TextureFrames: the frames of a multi-frame texture resource, as the loader
// registers them: skin i of the texture under its key, a colon and i
// ("body:4"). Composite skins that the loader appends to a texture's skin
// list afterwards (such as "hills:all") are not frames and are not counted.
// A short-lived view made where a texture is fetched; it owns nothing (the
// texture and its skins are resources). Main thread only, with the
// resources loaded.
#include "UString.h"

class Skin;
class Texture;

class TextureFrames {
public:
    // The texture registered under key; a missing one is fatal.
    explicit TextureFrames(const char* textureKey);

    // Frame index (0..count - 1); fatal, naming the texture, past the last
    // frame.
    Skin* frame(int index) const;
    // Fatal, naming the texture, unless count lies within least..most.
    void requireCount(int least, int most) const;
    // Fatal, naming both textures, when this one has fewer frames than base:
    // a glow or blink texture is indexed by its base texture's frames.
    void requireAtLeastAsMany(const TextureFrames& base) const;

    UString key;
    Texture* texture;
    int count = 0;
};
