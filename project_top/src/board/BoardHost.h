#pragma once
// BoardHost: what the board's objects (smileys, clowns, coins, the solution
// path, the HUD) need of the game they are placed in: where to report a
// click or a breath that ran out, what a new smiley is worth, where coins
// and effects go, and the player's numbers to show. The game controller
// implements it and hands itself to each object when it makes or places it;
// an object outside a game (the ending's smileys) has none. The score and
// the coins are written only by the host. Main thread only.
#include "Camera.h"
#include "effects/GameStage.h"

#include <cstdint>

class KivBase;
class PlayerData;
class Smiley;
struct V3;

class BoardHost : public GameStage {
public:
    // A present, selectable smiley (not null) was clicked.
    virtual void smileyClicked(Smiley* smiley) = 0;
    // A smiley (not null) whose breath ran out has left.
    virtual void smileyBreathedOut(Smiley* smiley) = 0;
    // The points of a smiley made now.
    virtual int32_t newSmileyValue() const = 0;
    // A present smiley left unmatched with a penalty, standing at (its foot
    // point): charged, with its figure, unless a challenge round is on.
    virtual void chargeLeftover(const V3& at) = 0;
    // Chance 0..1 that one coin draw of a matched smiley drops a coin.
    virtual float coinDropChance() const = 0;
    // n coins collected.
    virtual void collectCoins(int n) = 0;
    // A clown left: no chain of matches runs past it.
    virtual void breakChain() = 0;
    // Takes a coin (owned from now on) into the scene's coin layer.
    virtual void addCoin(KivBase* coin) = 0;
    // Takes a short-lived effect (owned from now on) into the scene, or into
    // the overlay in screen coordinates.
    virtual void addSceneEffect(KivBase* effect) = 0;
    virtual void addOverlayEffect(KivBase* effect) = 0;
    // The scene's visible rectangle at depth 0.
    virtual Camera::VisibleRect sceneView() const = 0;
    // The player's score, coins, lives and multiplier.
    virtual const PlayerData& player() const = 0;
    // The score multiplier's badge belongs on the display now.
    virtual bool multiplierBadgeShown() const = 0;

protected:
    ~BoardHost() = default;
};
