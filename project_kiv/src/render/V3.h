#pragma once
// V3: a point or vector of three floats, copied by value, with the easing
// and Bezier constructors the animation code uses and the small point
// operations of the drawables and the camera. Plain values, any thread.

struct V3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    V3() = default;
    constexpr V3(float px, float py, float pz) : x(px), y(py), z(pz) {}
    // from + (to - from) * f(t) per component, f being easing curve 0..8
    // (see easeCurve); t is clamped to 0..1 first, a NaN counting as 1.
    V3(const V3& from, const V3& to, float t, int curve);
    // The point at t of the cubic Bezier curve with the control points start,
    // start + startTangent, end - endTangent and end (de Casteljau).
    V3(float startX, float startY, float startZ, float startTangentX, float startTangentY, float startTangentZ,
       float endX, float endY, float endZ, float endTangentX, float endTangentY, float endTangentZ, float t);

    V3 operator+(const V3& o) const { return V3(x + o.x, y + o.y, z + o.z); }
    V3 operator-(const V3& o) const { return V3(x - o.x, y - o.y, z - o.z); }
    V3 operator*(float s) const { return V3(x * s, y * s, z * s); }
    V3& operator+=(const V3& o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    V3& operator-=(const V3& o)
    {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    bool operator==(const V3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const V3& o) const { return !(*this == o); }
    float lengthSquared() const { return x * x + y * y + z * z; }
};

// (x - cx)^2 + (y - cy)^2 + (z - cz)^2 < radius^2, strictly.
bool isPointInsideSphere(const V3& centre, float x, float y, float z, float radius);
V3 crossProduct(const V3& a, const V3& b);
// v scaled to length 1; (0, 0, 0) when its length is exactly 0.
V3 normalize(const V3& v);
// p rotated about the X axis by b, then about the Y axis by a (radians,
// right-handed).
V3 rotatePoint(const V3& p, float a, float b);
// p rotated about the Z axis by angle radians.
V3 rotatePointZ(const V3& p, float angle);
