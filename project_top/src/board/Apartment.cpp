#include "board/Apartment.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cstdlib>

namespace {


// Opening per second: a full swing takes half a second.
constexpr double SWING_SPEED = 2.0;
// The door is heard shutting as it passes this opening.
constexpr float SHUT_SOUND_OPENING = 0.05f;
// The door and the front piece stand this far below the cell's floor line.
constexpr float DOOR_DROP = 1.0f;

}

Apartment::Apartment(float x, float y, float z, int column, int floor, KivBase* frontLayer)
    : gridX(column), gridY(floor)
{
    Skin* wallSkin = GameSupport::resource<Skin>("apartment:0");
    width = static_cast<int32_t>(wallSkin->width);
    height = static_cast<int32_t>(wallSkin->height);
    position = V3(x, y, z);
    updateVisuals();
    const float middleX = x + static_cast<float>(width / 2);

    Renderable* front = new Renderable();
    const V3 frontPosition(middleX, y - DOOR_DROP, z);
    front->setSkinAndTransform(GameSupport::resource<Skin>("apartment:1"), &frontPosition, nullptr, nullptr);
    front->bHidden = true;
    frontLayer->addChildLast(front);
    frontPiece.set(front);

    door = new Renderable();
    setAwayNote(false);
    const V3 doorPosition(middleX + door->pSkin->width * 0.5f, y - DOOR_DROP, z);
    door->setSkinAndTransform(nullptr, &doorPosition, nullptr, nullptr);
    addChildLast(door);

    Renderable* wall = new Renderable();
    const V3 wallPosition(middleX, y + static_cast<float>(height / 2), z);
    wall->setSkinAndTransform(wallSkin, &wallPosition, nullptr, nullptr);
    addChildLast(wall);
}

bool Apartment::adjoins(const Apartment* other) const
{
    return other && std::abs(gridX - other->gridX) + std::abs(gridY - other->gridY) == 1;
}

void Apartment::setAwayNote(bool note)
{
    awayNote = note;
    Skin* skin = GameSupport::resource<Skin>(note ? "apartment:3" : "apartment:2");
    if (door->pSkin == skin)
        return;
    door->pSkin = skin;
    door->updateVisuals();
}

void Apartment::tick(double t, double dt)
{
    Renderable::tick(t, dt);
    const float old = doorOpening;
    if (old < doorTarget) {
        doorOpening = static_cast<float>(old + SWING_SPEED * dt);
        if (old <= 0.0f && doorOpening > 0.0f)
            GameSupport::resource<Sound>("doorOpen")->play();
        doorOpening = std::min(doorOpening, doorTarget);
    } else if (old > doorTarget) {
        doorOpening = static_cast<float>(old - SWING_SPEED * dt);
        if (old >= SHUT_SOUND_OPENING && doorOpening < SHUT_SOUND_OPENING)
            GameSupport::resource<Sound>("doorShut")->play();
        doorOpening = std::max(doorOpening, doorTarget);
    } else {
        return;
    }
    const float v = std::clamp(doorOpening, 0.0f, 1.0f);
    door->scale = V3(1.0f - v * v, 1.0f, 1.0f);
    door->updateVisuals();
    door->bHidden = v == 1.0f;
    // The front layer is emptied at every house build while an older house
    // may still be on screen, so the piece may be gone.
    if (Renderable* front = static_cast<Renderable*>(frontPiece.get()))
        front->bHidden = v == 0.0f;
}

void Apartment::render()
{
    KivBase::render();
}
