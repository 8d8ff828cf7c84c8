#pragma once
// Skin: the drawable look of a Renderable: a width x height rectangle centred
// on its own (0, 0), x to the right and y upwards, with an anchor (origin)
// that sits at the renderable's position. A skin does not know where it is
// drawn: the renderable hands itself over at draw time, its transform already
// loaded. Many renderables may share one skin; shared skins belong to their
// texture's skin list. Main thread only.
#include "KivBase.h"
#include "Matrix.h"
#include "UColor.h"
#include "V3.h"
#include "VertexBuffer.h"

class Renderable;

class Skin : public KivBase {
    KIV_DECLARE_CLASS()
public:
    Skin();
    ~Skin() override;

    // matrix := matrix * T(-origin).
    virtual void applyXform(Matrix& matrix);
    // -width/2 <= x < width/2 and -height/2 <= y < height/2, in skin space.
    virtual bool isPointInside(float x, float y);
    // Draws with r's colour under the transform r has loaded. Nothing here.
    virtual void draw(Renderable* r);
    // (width / 2, height / 2, 0).
    virtual V3 getHalfSize();
    // Skin space to the renderable's local space and back: unchanged here;
    // bending skins replace them (the "Old" pair uses the previous shape).
    virtual V3 local2world(V3 p);
    virtual V3 world2local(V3 p);
    virtual V3 local2worldOld(V3 p);
    virtual V3 world2localOld(V3 p);

    // The anchor from a numeric-keypad code (7 8 9 top row, 4 5 6 middle,
    // 1 2 3 bottom, 0 and 5 the centre) at the current size; other codes
    // leave it unchanged.
    void setOriginLocation(int location);
    // Draws the skin once at a world point in a colour, never culled.
    void renderAt(V3 position, UColor color);

    V3 origin;
    VertexBuffer vertexBuffer;
    float width = 0.0f;
    float height = 0.0f;
};
