#pragma once
// Quad: the skin of almost everything: one textured rectangle of four
// vertices showing uvRect of a texture. The texture loader makes one per
// skin-file entry and its skin list owns it; game code reaches quads through
// resource keys. Vertices are rewritten only when the size changes; a draw
// rewrites only the colour, and only when it changed. Main thread only.
#include "Rect.h"
#include "Skin.h"
#include "UVRect.h"

class Texture;

class Quad : public Skin {
    KIV_DECLARE_CLASS()
public:
    Quad();
    ~Quad() override;

    // Stores the size and writes the four vertices (top-left, top-right,
    // bottom-left, bottom-right, a triangle strip) in opaque white.
    void setSize(float w, float h);
    // The size of uvRect on the texture's logical size; the width keeps its
    // sign.
    virtual void resetSize();
    // The renderable's colour, then all vertices as a triangle strip.
    void draw(Renderable* r) override;

    // Not owned.
    Texture* pTexture = nullptr;
    UVRect uvRect;
    // The same rectangle in texels of the texture, kept for the mosaic split
    // and the stretch skins; the quad itself does not read it.
    Rect pixelRect;
};
