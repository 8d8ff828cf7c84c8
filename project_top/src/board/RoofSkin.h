#pragma once
// RoofSkin: the skin of a Roof: a triangle of the tiled texture "roofTile"
// whose pattern repeats in world units whatever the roof's width. Owned by
// its Roof. Main thread only.
#include "Skin.h"

class Texture;

class RoofSkin : public Skin {
public:
    // Three vertices. Needs the loaded textures.
    RoofSkin();

    // Reshapes the gable for a roof w units wide (height w / 4).
    void setWidth(int w);
    // The triangle in r's colour; outlines too under debug flag 8.
    void draw(Renderable* r) override;

    // Not owned (a resource).
    Texture* tileTexture = nullptr;
};
