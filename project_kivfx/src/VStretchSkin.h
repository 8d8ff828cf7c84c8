#pragma once
// VStretchSkin: a texture skin stretched only vertically: a top cap and a
// bottom cap keep their pixel height and the band between them stretches.
// The resource loader builds the game's thermometer gauge from two of them;
// the game sets the height. The source quad is not owned and must outlive
// it. Vertices are written only when the height changes. Main thread only.
#include "Skin.h"

class VStretchSkin : public Skin {
public:
    // No source yet: not to be sized or drawn before setSource.
    VStretchSkin();
    ~VStretchSkin() override;

    // Keeps the source and the cap heights (pixels) and fixes x and the
    // texture coordinates; every row stays at y = 0 until setHeight.
    void setSource(Skin* sourceSkin, int top, int bottom);
    // Rows at h/2, h/2 - top cap, -h/2 + bottom cap, -h/2; nothing when h is
    // the current height.
    void setHeight(float h);
    void draw(Renderable* r) override;

    Skin* source = nullptr;
    int topBorder = 0;
    int bottomBorder = 0;
};
