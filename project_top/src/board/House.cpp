#include "board/House.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "board/Apartment.h"
#include "board/Roof.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int CELL_WIDTH = 112;
constexpr int CELL_HEIGHT = 108;
// Room kept above the top floor when the camera steps back.
constexpr int CAMERA_HEADROOM = 48;
// The view's edge lies this far beyond the house's right end.
constexpr int CAMERA_MARGIN = 16;

void addWall(House* house, V3 position, bool mirrored)
{
    Renderable* wall = new Renderable();
    const V3 rotation(0.0f, mirrored ? static_cast<float>(-M_PI) : 0.0f, 0.0f);
    wall->setSkinAndTransform(GameSupport::resource<Skin>("roof:3"), &position, &rotation, nullptr);
    house->addChildLast(wall);
}

}

House::House() = default;

void House::create(float left, int columns, int floors, KivBase* frontLayer)
{
    sizeX = columns;
    sizeY = floors;
    cellWidth = CELL_WIDTH;
    cellHeight = CELL_HEIGHT;
    originX = left;

    Roof* roof = new Roof();
    roof->build(static_cast<float>(columns * CELL_WIDTH / 2) + left, static_cast<float>(floors * CELL_HEIGHT), 0.0f,
                columns, CELL_WIDTH);
    addChildLast(roof);
    for (int floor = 0; floor < floors; ++floor)
        addWall(this, V3(left, static_cast<float>(floor * CELL_HEIGHT), 0.0f), false);
    const float right = left + static_cast<float>(columns * CELL_WIDTH);
    for (int floor = 0; floor < floors; ++floor)
        addWall(this, V3(right, static_cast<float>(floor * CELL_HEIGHT), 0.0f), true);

    apartments = new KivBase();
    addChildLast(apartments);
    for (int row = floors - 1; row >= 0; --row)
        for (int column = 0; column < columns; ++column)
            apartments->addChildLast(new Apartment(static_cast<float>(column * CELL_WIDTH) + left,
                                                   static_cast<float>(row * CELL_HEIGHT), 0.0f, column, row,
                                                   frontLayer));
}

Apartment* House::getApartmentByXY(int x, int y) const
{
    if (apartments) {
        BasicLinkIterator it(apartments);
        while (KivBase* child = it.next()) {
            Apartment* apartment = static_cast<Apartment*>(child);
            if (apartment->gridX == x && apartment->gridY == y)
                return apartment;
        }
    }
    KIV_ERROR("Could not find apartment at (%d,%d).", x, y);
}

V3 House::getCameraPosition() const
{
    const KivGraphics& graphics = *pKiv->pGraphics;
    const float zoom = std::max(
        1.0f, static_cast<float>(sizeY * cellHeight + CAMERA_HEADROOM) / static_cast<float>(graphics.fovHeight));
    const float halfWidth = static_cast<float>(graphics.fovWidth / 2);
    return V3(originX + static_cast<float>(sizeX * cellWidth + CAMERA_MARGIN) - zoom * halfWidth, 0.0f,
              -zoom * halfWidth);
}
