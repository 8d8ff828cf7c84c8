#pragma once
// House: the board of a level: sizeX apartments per floor and sizeY floors
// of 112 x 108 units, a gabled Roof on top and a side wall at both ends of
// every floor. It draws nothing itself: its children are the roof, the left
// walls, the right walls and the apartments container. The game controller
// (or the intro) constructs it, calls create once and appends it to its
// scene, which ticks, draws and deletes it. x grows to the right, y upwards
// (floor 0 at the bottom). Main thread only.
#include "KivBase.h"
#include "V3.h"

#include <cstdint>

class Apartment;

class House : public KivBase {
public:
    // An empty house: no children, every size 0.
    House();

    // Builds the house with its grid's left edge at world x left, columns
    // apartments per floor and floors floors (both >= 1); the apartments'
    // front pieces go to frontLayer (not owned), which may delete them
    // before the house goes.
    void create(float left, int columns, int floors, KivBase* frontLayer);
    // The live apartment at column x, floor y; a cell outside the grid is
    // fatal. Never null.
    Apartment* getApartmentByXY(int x, int y) const;
    // Where the game camera stands to show the whole house.
    V3 getCameraPosition() const;

    // Owned child; its children are the apartments, top floor first, left
    // to right.
    KivBase* apartments = nullptr;
    int32_t sizeX = 0;
    int32_t sizeY = 0;
    // Units.
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    // World x of the grid's left edge.
    float originX = 0.0f;
};
