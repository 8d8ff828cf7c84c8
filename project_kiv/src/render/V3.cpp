#include "V3.h"

#include "Easing.h"

#include <cmath>

V3::V3(const V3& from, const V3& to, float t, int curve)
{
    float f = easeCurve(clampUnit(t), curve);
    x = from.x + (to.x - from.x) * f;
    y = from.y + (to.y - from.y) * f;
    z = from.z + (to.z - from.z) * f;
}

V3::V3(float startX, float startY, float startZ, float startTangentX, float startTangentY, float startTangentZ,
       float endX, float endY, float endZ, float endTangentX, float endTangentY, float endTangentZ, float t)
{
    const V3 p0(startX, startY, startZ);
    const V3 p1(startX + startTangentX, startY + startTangentY, startZ + startTangentZ);
    const V3 p2(endX - endTangentX, endY - endTangentY, endZ - endTangentZ);
    const V3 p3(endX, endY, endZ);
    const V3 a(p0, p1, t, 0), b(p1, p2, t, 0), c(p2, p3, t, 0);
    const V3 d(a, b, t, 0), e(b, c, t, 0);
    *this = V3(d, e, t, 0);
}

bool isPointInsideSphere(const V3& centre, float x, float y, float z, float radius)
{
    float dx = x - centre.x, dy = y - centre.y, dz = z - centre.z;
    return dx * dx + dy * dy + dz * dz < radius * radius;
}

V3 crossProduct(const V3& a, const V3& b)
{
    return V3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

V3 normalize(const V3& v)
{
    float length = std::sqrt(v.lengthSquared());
    if (length == 0.0f)
        return V3(0.0f, 0.0f, 0.0f);
    return v * (1.0f / length);
}

V3 rotatePoint(const V3& p, float a, float b)
{
    float cb = std::cos(b), sb = std::sin(b);
    float y1 = p.y * cb - p.z * sb;
    float z1 = p.y * sb + p.z * cb;
    float ca = std::cos(a), sa = std::sin(a);
    return V3(p.x * ca + z1 * sa, y1, -p.x * sa + z1 * ca);
}

V3 rotatePointZ(const V3& p, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    return V3(p.x * c - p.y * s, p.x * s + p.y * c, p.z);
}
