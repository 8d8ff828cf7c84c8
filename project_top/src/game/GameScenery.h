#pragma once
// GameScenery: the props of the game's scrolling street: each
// neighbourhood's entrance (a tree, the sign with its name, flowers, now and
// then a ladybug), what stands around each house (a tree, flowers, a post
// and the Exit button), and the culling of whatever has scrolled out of view
// on the left. Props go into the controller's scenery and flower layers,
// which own them. Owned by its GameController. Main thread only.
#include "Camera.h"

class GameController;

class GameScenery {
public:
    // game: the controller that owns this (outlives it).
    explicit GameScenery(GameController& game);

    // The entrance of the game's neighbourhood one and a half views right of
    // the camera (sceneX), and the camera's glide to it.
    void addStreet();
    // The props around a house seen through the rectangle seen (depth 0);
    // a flower already standing where its Exit button goes is taken away.
    void addHouseSurroundings(const Camera::VisibleRect& seen);
    // Marks dead the scenery, flowers and houses wholly left of the view.
    void cull();

private:
    GameController& game;
};
