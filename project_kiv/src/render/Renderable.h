#pragma once
// Renderable: base class of every visible object. It adds to the engine
// object a place in the world (position, rotation, scale, a post scale and a
// post transform), a colour, a Skin that draws it, the world transform and its
// inverse, a bounding circle for culling and collisions, and point tests for
// the mouse. It draws only itself; subclasses with children to draw call
// KivBase::render as well.
//
// The fields are public: game code writes them and then calls updateVisuals;
// nothing recomputes the transform or the bounds by itself (a colour change
// needs no update). The object does not own its skin unless bOwnsSkin is set.
// The transform is composed in software, in the order of the OpenGL matrix
// stack, so updateVisuals needs no display. Main thread only.
#include "KivBase.h"
#include "Matrix.h"
#include "UColor.h"
#include "V3.h"

class Skin;

class Renderable : public KivBase {
    KIV_DECLARE_CLASS()
public:
    Renderable();
    // Destroys the skin when the object owns it.
    ~Renderable() override;

    // Culls, then draws the skin under xform, then the debug overlays.
    void render() override;
    // The nearest Context's mouse position through isPointInside; false for
    // objects that skip visibility or keep no inverse transform.
    bool isMouseInside() override;
    // The engine object's serialisation; after a read the visuals follow.
    void netSerialize(Packet& packet) override;
    // The engine object's properties, then "collisionSensitivity", the groups
    // "position", "rotation" and "scale" (x, y, z), "color" and, unless the
    // object owns it, "pSkin" as a resource reference.
    void addPropertiesTo(PropertyContainer& container) override;

    // Texture environment: replace for opaque white, else modulate.
    virtual void applyColorMode();
    // matrix := matrix * the object's own transform: T(position),
    // S(postScale), Rx, Ry, Rz, S(scale). Subclasses may append their own
    // after calling this one.
    virtual void applyXform(Matrix& matrix);
    // xform := postXform * own transform * skin transform; and invXform.
    virtual void calcXform();
    virtual void calcBounds();
    // bVisible for this frame, against the current screen's camera.
    virtual void calcVisibility();
    // The skin's test at world2local of the point; false without a skin or
    // when the transform cannot be inverted (a zero scale).
    virtual bool isPointInside(V3 world);
    // Strictly inside the bounding circle (or the collision circle).
    virtual bool isPointInsideBounds(V3 world);
    virtual bool isPointInsideCollisionBounds(V3 world);
    // Collision circles overlap strictly; counts one collision test.
    virtual bool collide(Renderable* other);
    virtual V3 local2world(V3 local);
    // Needs bHasInvXform.
    virtual V3 world2local(V3 world);
    // Counts one update, then calcXform and calcBounds.
    virtual void updateVisuals();
    virtual void setScaleXY(float s);
    virtual void setPostScale(V3 v);
    virtual V3& getPostScale();
    virtual void setPostScaleXY(float s);
    // A parent that moves calls it on its children with its own xform.
    virtual void setPostXform(Matrix& m);

    // Bounding circles overlap strictly; counts nothing.
    bool boundsIntersecting(Renderable* other);
    // Sets each argument that is not null, then updateVisuals.
    void setSkinAndTransform(Skin* skin, const V3* newPosition, const V3* newRotation, const V3* newScale);
    // Destroys the skin whoever owns it.
    void deleteSkin();

    Matrix xform;
    Matrix invXform;
    V3 boundsCentre;
    UColor color = UColor(255, 255, 255, 255);
    float boundsRadius = 0.0f;
    float collisionSensitivity = 1.0f;
    bool bHidden = false;
    bool bOwnsSkin = false;
    bool bHasInvXform = false;
    // False while xform is singular: invXform is then meaningless and the
    // object cannot be hit.
    bool bInvXformValid = true;
    Matrix postXform;
    Skin* pSkin = nullptr;
    V3 position;
    V3 rotation;
    V3 scale = V3(1.0f, 1.0f, 1.0f);
    V3 postScale = V3(1.0f, 1.0f, 1.0f);
    int lastUpdateFrame = -1;

private:
    void drawDebugOverlays(int debugLevel);
};
