#include "Skin.h"

#include "Renderable.h"

namespace {
KivBase* createSkin()
{
    return new Skin();
}
}

KIV_IMPLEMENT_CLASS(Skin, KivBase, createSkin);

Skin::Skin() = default;

Skin::~Skin() = default;

void Skin::applyXform(Matrix& matrix)
{
    matrix.translate(-origin.x, -origin.y, -origin.z);
}

bool Skin::isPointInside(float x, float y)
{
    return -width / 2 <= x && x < width / 2 && -height / 2 <= y && y < height / 2;
}

void Skin::draw(Renderable*)
{
}

V3 Skin::getHalfSize()
{
    return V3(width * 0.5f, height * 0.5f, 0.0f);
}

V3 Skin::local2world(V3 p)
{
    return p;
}

V3 Skin::world2local(V3 p)
{
    return p;
}

V3 Skin::local2worldOld(V3 p)
{
    return p;
}

V3 Skin::world2localOld(V3 p)
{
    return p;
}

void Skin::setOriginLocation(int location)
{
    const float halfW = width / 2, halfH = height / 2;
    switch (location) {
    case 7: origin = V3(-halfW, halfH, 0.0f); break;
    case 8: origin = V3(0.0f, halfH, 0.0f); break;
    case 9: origin = V3(halfW, halfH, 0.0f); break;
    case 4: origin = V3(-halfW, 0.0f, 0.0f); break;
    case 0:
    case 5: origin = V3(0.0f, 0.0f, 0.0f); break;
    case 6: origin = V3(halfW, 0.0f, 0.0f); break;
    case 1: origin = V3(-halfW, -halfH, 0.0f); break;
    case 2: origin = V3(0.0f, -halfH, 0.0f); break;
    case 3: origin = V3(halfW, -halfH, 0.0f); break;
    default: break;
    }
}

void Skin::renderAt(V3 position, UColor color)
{
    Renderable stamp;
    stamp.bSkipVisibility = true;
    stamp.setSkinAndTransform(this, &position, nullptr, nullptr);
    stamp.color = color;
    stamp.render();
}
