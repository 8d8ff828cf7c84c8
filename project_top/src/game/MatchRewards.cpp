#include "game/MatchRewards.h"

#include "ContextBlender.h"
#include "FontQuad.h"
#include "Global.h"
#include "RenderableText.h"
#include "Sound.h"
#include "board/PlayerData.h"
#include "board/Smiley.h"
#include "effects/CircleScore.h"
#include "effects/GameSupport.h"
#include "game/GameController.h"
#include "rules/Scoring.h"

#include <vector>

namespace {

constexpr float HALF_PI = 1.5707964f;
// Drawn centred both ways on their position.
constexpr int CENTRED = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y;

// A figure over a smiley in the outlined font, without a shadow.
RenderableText* makeFigure(const V3& at, const std::string& text, UColor colour, double lifetime)
{
    RenderableText* figure =
        new RenderableText(at.x, at.y, at.z, text, GameSupport::resource<FontQuad>("fontBlackOutline2"), colour);
    figure->bShadow = false;
    figure->lifetime = lifetime;
    figure->fadeIn = 0.25;
    figure->fadeOut = 1.0;
    figure->flags = CENTRED;
    return figure;
}

}

MatchRewards::MatchRewards(GameController& owner) : game(owner)
{
}

void MatchRewards::checkChainBonus(Smiley* a, Smiley* b)
{
    std::vector<SmileyFace> history;
    for (BasicLink* entry = game.matchHistory->pLastChild; entry; entry = entry->pPrev)
        history.push_back(static_cast<Smiley*>(static_cast<KivBase*>(entry))->face());
    const int chain = Scoring::chainLinks(history, a->face());
    if (chain >= 1) {
        const UColor colour(UColor(128, 0, 255, 255), UColor(240, 173, 255, 255), Scoring::chainColourBlend(chain));
        game.creditPoints(Scoring::chainPoints(chain, game.difficulty));
        game.effectLayer->addChildLast(makeFigure(b->boundsCentre, formatString("chain \x81 %d", chain), colour, 2.0));
        GameSupport::resource<Sound>("jingle02")->playPitched(Scoring::chainPitch(chain));
        b->dropCoin(game.coinChance);
    }
    while (game.matchHistory->getChildCount() > Scoring::CHAIN_MEMORY)
        static_cast<KivBase*>(game.matchHistory->pFirstChild)->deleteMe();
}

void MatchRewards::checkCircusBonus(Smiley* a, Smiley* b)
{
    if (!Scoring::circusDue(a->isClown, b->isClown))
        return;
    CircleScore* popup = new CircleScore(&game, Scoring::CIRCUS_BONUS, 0.0f);
    popup->addStar(UColor(192, 192, 192, 255), 1.0f);
    popup->addCircularText("circus bonus!", UColor(255, 0, 0, 255), 40.0f, HALF_PI, 1);
    popup->addCircularText(Global::formatNumber(popup->points), UColor(0, 0, 255, 255), 40.0f, 3.0f * HALF_PI, -1);
    popup->position = b->boundsCentre + V3(0.0f, 8.0f, 0.0f);
    popup->updateVisuals();
    popup->moveIntoView(*game.scene->pCamera);
    popup->sound = GameSupport::resource<Sound>("jingle02");
    game.effectLayer->addChildLast(popup);
}

void MatchRewards::showPenalty(const V3& at, int points)
{
    game.effectLayer->addChildLast(
        makeFigure(at + V3(0.0f, 45.0f, 0.0f), formatString("%d", points), UColor(192, 0, 0, 255), 3.0));
}
