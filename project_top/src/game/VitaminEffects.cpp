#include "game/VitaminEffects.h"

#include "BasicLinkIterator.h"
#include "board/PlayerData.h"
#include "board/Smiley.h"
#include "effects/ArrowMessage.h"
#include "game/GameController.h"
#include "rules/VitaminKind.h"

namespace {

constexpr float POINT_DOWN = 4.712389f;
constexpr int HINT_ATTEMPTS = 100;
constexpr int MOST_MULTIMATCHES = 3;
constexpr int DOUBLE_SCORE_FACTOR = 2;
constexpr double DOUBLE_SCORE_SECONDS = 30.0;
constexpr float MORE_TIME_FILL = 0.25f;
constexpr float TIME_BOOST_FILL = 0.5f;
constexpr int CASH_OUT_POINTS = 250000;

}

VitaminEffects::VitaminEffects(GameController& owner) : game(owner)
{
}

bool VitaminEffects::use(int kind)
{
    switch (kind) {
    case VITAMIN_HINT:
        return pointOutAPair();
    case VITAMIN_MULTIMATCH:
        return matchSelection();
    case VITAMIN_DOUBLE_SCORE:
        if (game.playerData->multiplier != 1) {
            game.showDialog("|This vitamin|is already active!", "", nullptr);
            return false;
        }
        game.playerData->setMultiplier(DOUBLE_SCORE_FACTOR, DOUBLE_SCORE_SECONDS);
        return true;
    case VITAMIN_MORE_TIME:
        game.thermometer += MORE_TIME_FILL;
        return true;
    case VITAMIN_TIME_BOOST:
        game.thermometer += TIME_BOOST_FILL;
        return true;
    case VITAMIN_CASH_OUT:
        game.playerData->addScore(CASH_OUT_POINTS, false);
        return true;
    case VITAMIN_EXTRA_LIFE:
        game.playerData->addLives(1);
        return true;
    default:
        return false;
    }
}

bool VitaminEffects::pointOutAPair()
{
    for (int attempt = 0; attempt < HINT_ATTEMPTS; ++attempt) {
        Smiley* drawn = game.findPlayableSmiley();
        if (!drawn)
            return false;
        BasicLinkIterator walk(game.smileyLayer);
        while (Smiley* partner = static_cast<Smiley*>(walk.next())) {
            if (partner->state != Smiley::STATE_PRESENT || !drawn->canMatch(partner, false))
                continue;
            for (const Smiley* pointed : {drawn, partner}) {
                const V3 at = pointed->position + V3(0.0f, 80.0f, 0.0f);
                ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, UColor(128, 192, 0, 255), POINT_DOWN, "");
                arrow->lifetime = 1.0;
                game.effectLayer->addChildLast(arrow);
            }
            game.deselectAll();
            return true;
        }
    }
    return false;
}

bool VitaminEffects::matchSelection()
{
    Smiley* selected = game.getSelectedSmiley();
    if (!selected) {
        game.showDialog("Select a|smiley before using|this vitamin!", "", nullptr);
        return false;
    }
    int matched = 0;
    BasicLinkIterator walk(game.smileyLayer);
    while (Smiley* partner = static_cast<Smiley*>(walk.next())) {
        if (matched == MOST_MULTIMATCHES)
            break;
        if (partner->state == Smiley::STATE_PRESENT && selected->canMatch(partner, false)) {
            game.onMatch(selected, partner);
            ++matched;
        }
    }
    return true;
}
