#pragma once
// BendQuad: a Quad cut into a strip of vertex pairs that can be curled along
// a circular arc, its left edge held fixed; the game's flower props sway with
// it. Its coordinate mappings bend with it, so mouse tests and bounds follow
// the curled shape, and the "Old" mappings give the shape as it was before
// the first bend change of the current frame. Drawn by a Renderable like any
// skin; not owned by it unless the renderable says so. Main thread only.
#include "Quad.h"

class BendQuad : public Quad {
public:
    BendQuad() = default;

    // The texture's size under uvRect, texture coordinates of every pair,
    // then bendVertices. Nothing while there is no texture.
    void resetSize() override;
    // (-halfWidth, 2 * width / pi + halfHeight, 0): a corner far enough out
    // for the bounding circle of any bend.
    V3 getHalfSize() override;
    V3 local2world(V3 p) override;
    V3 world2local(V3 p) override;
    V3 local2worldOld(V3 p) override;
    V3 world2localOld(V3 p) override;

    // Sizes the vertex buffer for pairCount pairs, then resetSize.
    virtual void allocateVertices();
    // Vertex positions for bendAngle.
    virtual void bendVertices();

    // Takes the source's texture and uvRect.
    void copyFromSkin(Quad* source);
    // Total bend in radians; magnitudes below 0.001 are straight.
    void setBend(float angle);

    // Vertex pairs from the right edge (pair 0) to the left edge; at least 2.
    int pairCount = 2;
    float bendAngle = 0.0f;
    // width / bendAngle as of the latest bent vertices.
    float bendRadius = 0.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    // The image is turned a quarter turn on the quad.
    bool vertical = false;
    // Engine frame of the latest setBend, and the bend from before it.
    int bendFrame = -1;
    float previousAngle = 0.0f;
    float previousRadius = 0.0f;

private:
    // Keeps the buffer at 2 x pairCount vertices whatever pairCount became
    // since the last allocateVertices, so no write goes past its end.
    void matchBufferToPairs();
    V3 bendPoint(V3 p, float angle, float radius) const;
    V3 unbendPoint(V3 p, float angle, float radius) const;
    bool isCurrentFrameBent() const;
};
