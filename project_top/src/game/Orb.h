#pragma once
// Orb: one vitamin (power-up) of the heads-up display's vitamin column: a
// row showing the vitamin's name, its price in coins and, when the player
// can afford it, a coloured ball. A click on an affordable row asks the
// current game controller to apply the vitamin (useVitamin) and, when it
// accepts, pays the price. The modes create their orbs when a game starts
// and hand them to PlayerHUD::addVitamin; the HUD owns, places, ticks and
// draws them. Main thread only.
#include "Renderable.h"
#include "UColor.h"

#include <cstdint>
#include <string>

class GameController;

class Orb : public Renderable {
public:
    // A VitaminKind of game's column (game not owned, outlives the orb; null:
    // a row that shows its base price and does nothing); VITAMIN_RETIRED is
    // fatal ("Deprecated."). The price grows with the game's difficulty and
    // is fixed here. Needs the loaded "hud" skins.
    Orb(GameController* game, int vitaminKind);
    ~Orb() override;

    // Affordability, then a press of the screen's mouse on the row: help
    // once and use when affordable, else the not-enough-coins note once.
    // Presses are ignored while the HUD's column is hidden or sliding out.
    void tick(double t, double dt) override;
    // Row, ball (when affordable), name and price.
    void render() override;

    // Whether a point of the display lies on the row (the bottom 10 units of
    // the skin excluded).
    bool isInside(float x, float y) const;
    // Asks the current controller to use the vitamin; when it does, pays,
    // plays "jingle07" and sparks into the overlay's bonus layer.
    void activate();

    int32_t kind = 0;
    int32_t cost = 0;
    bool affordable = true;
    UColor colour;
    std::string name;
    // Lines separated by '|'.
    std::string helpText;
    // Not owned; null outside a game.
    GameController* game = nullptr;
};
