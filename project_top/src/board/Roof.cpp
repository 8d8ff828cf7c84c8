#include "board/Roof.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "board/RoofSkin.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {

// Each roof piece one step further in is this much higher.
constexpr int STEP_RISE = 56;
// Pieces sit this far below the roof's base line.
constexpr int PIECE_DROP = 11;

void addPiece(Roof* roof, const char* key, V3 position, bool mirrored)
{
    Renderable* piece = new Renderable();
    const V3 rotation(0.0f, mirrored ? static_cast<float>(-M_PI) : 0.0f, 0.0f);
    piece->setSkinAndTransform(GameSupport::resource<Skin>(key), &position, &rotation, nullptr);
    roof->addChildLast(piece);
}

}

Roof::Roof()
{
    pSkin = new RoofSkin();
    bOwnsSkin = true;
}

void Roof::render()
{
    Renderable::render();
    KivBase::render();
}

void Roof::build(float x, float y, float z, int columns, int cellSize)
{
    const int w = columns * cellSize;
    static_cast<RoofSkin*>(pSkin)->setWidth(w);
    position = V3(x, y, z);
    updateVisuals();
    const float left = x - static_cast<float>(w / 2);
    const int half = columns / 2;
    for (int i = 0; i < half; ++i) {
        const float rise = static_cast<float>(-PIECE_DROP + STEP_RISE * i);
        addPiece(this, "roof:0", V3(left + static_cast<float>(i * cellSize), y + rise, z), false);
        addPiece(this, "roof:0", V3(left + static_cast<float>(w - i * cellSize), y + rise, z), true);
    }
    if (columns % 2 == 1) {
        const float rise = static_cast<float>(half * STEP_RISE - PIECE_DROP);
        addPiece(this, "roof:1", V3(left + static_cast<float>(half * cellSize), y + rise, z), false);
    }
    addPiece(this, "roof:2", V3(x, y + static_cast<float>(w / 16), z), false);
}
