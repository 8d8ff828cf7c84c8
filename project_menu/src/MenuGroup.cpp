#include "MenuGroup.h"

#include "Skin.h"

MenuGroup::MenuGroup(float x, float y, float z, const std::string& groupCaption, float width, float height)
    : caption(groupCaption)
{
    Skin* frame = new Skin();
    frame->width = width;
    frame->height = height;
    pSkin = frame;
    bOwnsSkin = true;
    position = V3(x, y, z);
    updateVisuals();
}
