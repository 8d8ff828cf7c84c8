#pragma once
// Camera: turns a screen's world into the view. Every Context owns one; before
// drawing its contents the screen lets the camera load the projection, and it
// turns the mouse position into world coordinates with screen2world. The
// default camera stands at (0, 0, -fovWidth/2) looking at the origin, so the
// plane z = 0 shows exactly the virtual screen: one unit per view unit, x to
// the right, y upwards, z away from the viewer. Owners and the camera
// blenders move position and lookAtPoint; tick derives eye and centre from
// them. Main thread only.
#include "KivBase.h"
#include "Matrix.h"
#include "V3.h"

class Camera : public KivBase {
    KIV_DECLARE_CLASS()
public:
    struct VisibleRect {
        float left, top, right, bottom;
    };

    Camera();
    ~Camera() override;

    // eye and centre := position and lookAtPoint with x and y truncated
    // toward zero to whole units. Runs neither the state machine nor children.
    void tick(double t, double dt) override;
    // Loads the projection: the mirrored frustum and the look-at view.
    void render() override;
    virtual void lateUpdate(double t, double dt);

    // The rectangle of the plane at depth z that the camera sees.
    VisibleRect getVisibleRect(float z) const;
    // The same for a camera at depth cameraZ looking at (x, y).
    static VisibleRect getVisibleRectFrom(float z, float x, float y, float cameraZ);
    // World units per view unit at depth z (1 on z = 0 for the default camera).
    float getDepthScale(float z) const;
    // View position (from the left and bottom edges, view units) to the world
    // point at depth z, and back; exact inverses of each other.
    V3 screen2world(float x, float y, float z) const;
    V3 world2screen(float x, float y, float z) const;
    // matrix := matrix * the classic look-at view of eye towards centre.
    static void lookAt(Matrix& matrix, float eyeX, float eyeY, float eyeZ, float centreX, float centreY,
                       float centreZ, float upX, float upY, float upZ);

    V3 position;
    V3 lookAtPoint;
    V3 eye;
    V3 centre;
    float roll = 0.0f;
};
