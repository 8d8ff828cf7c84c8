#include "RoofSkin.h"

RoofSkin::RoofSkin() = default;

void RoofSkin::setWidth(int)
{
}

void RoofSkin::draw(Renderable*)
{
}
