#pragma once
// StretchSkin: a nine-slice frame drawn from a texture skin at any size: the
// four corners keep their pixel size, the edges stretch along one axis and
// the centre along both. Menu items, group panels and GUI items draw their
// buttons, frames and panels with it. The source quad is not owned and must
// outlive the frame. Vertices are written only when the size changes.
// Main thread only.
#include "Skin.h"
#include "UVRect.h"

class StretchSkin : public Skin {
public:
    // Creators call setBorders at once, before sizing or drawing.
    explicit StretchSkin(Skin* sourceSkin);
    ~StretchSkin() override;

    // Border widths in source pixels, in the order left, top, bottom, right;
    // the inner texture rectangle follows from them; then resetSize.
    void setBorders(int left, int top, int bottom, int right);
    // A height of 0 or less means the source's own height. Borders that do
    // not fit make the frame fold over itself; nothing checks it.
    void setSize(float w, float h);
    // setSize with the source's pixel size.
    virtual void resetSize();
    // One band of three quads when the top and bottom borders are both 0,
    // else three bands.
    void draw(Renderable* r) override;

    Skin* source = nullptr;
    UVRect inner = UVRect(0.0f, 0.0f, 0.0f, 0.0f);
    int borderLeft = 0;
    int borderTop = 0;
    int borderBottom = 0;
    int borderRight = 0;
};
