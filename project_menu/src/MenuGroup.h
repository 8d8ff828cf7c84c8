#pragma once
// MenuGroup: a titled panel drawn behind a group of items or the lines of a
// dialog; it owns its skin. (Minimal until the menu items land: placement
// and an undrawn skin of the panel's size.)
#include "Renderable.h"
#include "UString.h"

#include <string>

class MenuGroup : public Renderable {
public:
    MenuGroup(float x, float y, float z, const std::string& groupCaption, float width, float height);

    UString caption;
};
