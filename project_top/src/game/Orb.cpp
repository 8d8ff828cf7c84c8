#include "game/Orb.h"

#include "Context.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "KivInput.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "UString.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "effects/Firework.h"
#include "effects/GameSupport.h"
#include "game/GameController.h"
#include "rules/VitaminTable.h"

#include <cmath>

namespace {

// Each kind's ball colour, in which its name is printed too; names, prices
// and help texts are the rules'. The hint's blue is lightened from pure blue,
// which stands out from the name's black rim by only 2.4:1.
const UColor COLOURS[VITAMIN_KIND_COUNT] = {
    UColor(80, 80, 255, 255),     UColor(),                   UColor(0, 128, 255, 255),   UColor(255, 0, 255, 255),
    UColor(192, 0, 0, 255),     UColor(0, 255, 255, 255),   UColor(128, 255, 0, 255),   UColor(0, 192, 0, 255),
    UColor(255, 64, 0, 255),    UColor(255, 173, 0, 255),   UColor(255, 255, 0, 255),   UColor(255, 255, 255, 255),
    UColor(192, 0, 0, 255),     UColor(255, 255, 0, 255),
};

const UColor WHITE(255, 255, 255, 255);
const UColor GREY(128, 128, 128, 255);

// The ball's centre from the row's top-left corner.
constexpr float BALL_X = 129.0f;
constexpr float BALL_Y = -20.0f;
// The bottom of the row's skin that does not take clicks.
constexpr float UNCLICKABLE_BOTTOM = 10.0f;

}

Orb::Orb(GameController* owner, int vitaminKind) : kind(vitaminKind), game(owner)
{
    bHasInvXform = true;
    pSkin = GameSupport::resource<Skin>("hud:3");
    if (kind == VITAMIN_RETIRED)
        KIV_ERROR("Deprecated.");
    KIV_ASSERT(kind >= 0 && kind < VITAMIN_KIND_COUNT);
    const VitaminTable::Row& row = VitaminTable::of(kind);
    cost = VitaminTable::price(kind, game ? game->difficulty : 0);
    colour = COLOURS[kind];
    name = row.name;
    helpText = row.helpText;
    updateVisuals();
}

Orb::~Orb() = default;

void Orb::tick(double, double)
{
    if (!game)
        return;
    affordable = cost <= game->playerData->coins;
    // Only a column that is switched on and has begun to slide in has placed
    // its rows; a hidden or leaving column is not there to be clicked.
    const PlayerHUD* hud = game->hud;
    if (!hud->showVitamins || hud->vitaminsShown <= 0.0f)
        return;
    const Context* screen = pKiv->pCurrentContext;
    if (!screen || !pKiv->pInput->isMouseButtonPressed() || !isInside(screen->mouseX, screen->mouseY))
        return;
    if (affordable) {
        game->showHelpOnce(&game->vitaminHelpShown[kind], formatString("~|%s", helpText.c_str()), "",
                           GameSupport::resource<Skin>("help:2"));
        activate();
    } else {
        game->showHelpOnce(&game->vitaminNoCoinsShown[kind],
                           formatString("You don't have|enough coins!|~|Collect %d coins|to activate this vitamin.",
                                        cost),
                           "", GameSupport::resource<Skin>("help:5"));
    }
}

bool Orb::isInside(float x, float y) const
{
    return x >= position.x && x < position.x + pSkin->width && y > position.y - (pSkin->height - UNCLICKABLE_BOTTOM) &&
           y <= position.y;
}

void Orb::activate()
{
    if (!game || !game->useVitamin(kind))
        return;
    game->spendCoins(cost);
    GameSupport::resource<Sound>("jingle07")->play();
    if (GameSupport::highDetail())
        game->bonusLayer->addChildLast(new Firework(position.x + BALL_X, position.y + BALL_Y, position.z, 20, 50.0f,
                                                    100.0f, 0.0f, 2.0f * static_cast<float>(M_PI), 2.0f, colour));
}

void Orb::render()
{
    Renderable::render();
    const V3 ball(position.x + BALL_X, position.y + BALL_Y, position.z);
    if (affordable) {
        GameSupport::resource<Skin>("hud:4")->renderAt(ball, colour);
        GameSupport::resource<Skin>("hud:5")->renderAt(ball, WHITE);
    }
    Renderable label;
    label.bSkipVisibility = true;
    label.position = V3(position.x + 110.0f, position.y - 5.0f, position.z);
    label.scale = V3(0.6f, 0.6f, 1.0f);
    label.color = affordable ? colour : GREY;
    label.updateVisuals();
    GameSupport::resource<FontQuad>("fontMedium")->print(&label, FontQuad::PRINT_RIGHT, name);
    GameSupport::resource<FontQuad>("fontSmall")
        ->printAt(position.x + 100.0f, position.y - 23.0f, position.z, affordable ? WHITE : GREY, FontQuad::PRINT_RIGHT,
                  formatString("%d", cost));
}
