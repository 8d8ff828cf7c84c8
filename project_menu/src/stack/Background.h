#pragma once
// Background: the outdoor scenery behind the menus and the game: sky, hills,
// grass and ground, each an endless horizontal row of tiles that scrolls
// with the camera of the screen being drawn, far layers slower than near
// ones. The flag bits choose the layers, so a scene can put objects between
// layers by using several Backgrounds. Owned by its parent screen; the skins
// belong to the resource root and are looked up each frame. Main thread only.
#include "KivBase.h"

class Skin;

class Background : public KivBase {
public:
    enum Layers { LAYER_SKY = 1, LAYER_GRASS = 2, LAYER_GROUND = 4 };

    explicit Background(int layerFlags);

    // The selected layers (the sky layer first clears the view to the sky's
    // colour), then the children.
    void render() override;
    // One endless row of the skin at depth 0, starting where a plane
    // `parallax` times as far from the camera would start it, moved by the
    // offset. A skin without width draws nothing.
    virtual void drawLayer(Skin* skin, float parallax, float x, float y, float z);

    int flags;
};
