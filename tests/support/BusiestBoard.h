#pragma once
// BusiestBoard: the fullest board a game can show, staged by hand in a game
// controller that is the current game (its state machine never runs): a
// 7 x 7 house (taller and wider than the modes need) with the camera where
// the house asks for it, a smiley from the real generator in every
// apartment with all five features varying and every eighth one a clown,
// and the heads-up display slid in with the score, coins, lives and a
// slotted thermometer. stir() adds what comes and goes during play: a
// selected smiley, a clashing pair glowing, a multiplier bubble, an alarm
// clock, falling coins, score popups, fireworks and star bursts.
//
// Shared by the scene test and the scene benchmark, which own the
// controller and step its frames: after construction the smileys come out
// of their doors and the display slides in (1.5 s settles everything);
// stir() needs the smileys present. Main thread only, with the game's
// resources loaded.
#include "BasicLinkIterator.h"
#include "CameraBlender.h"
#include "ContextBlender.h"
#include "board/Apartment.h"
#include "board/Clown.h"
#include "board/House.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/SmileyGenerator.h"
#include "effects/CircleScore.h"
#include "effects/Firework.h"
#include "effects/StarBurst.h"
#include "game/GameController.h"

#include <cmath>
#include <vector>

namespace testsupport {

class BusiestBoard {
public:
    // Seconds after construction until every smiley is present, every door
    // open and the display slid in.
    static constexpr double SETTLE_SECONDS = 1.5;
    // The thermometer's colour, level 0.6 of four slots.
    static constexpr UColor THERMOMETER_COLOUR = UColor(255, 64, 0, 255);

    explicit BusiestBoard(GameController& controller) : game(controller)
    {
        game.house = new House();
        game.house->create(0.0f, 7, 7, game.houseBackLayer);
        game.houseLayer->addChildLast(game.house);
        const V3 camera = game.house->getCameraPosition();
        game.scene->getCameraBlender()->jumpTo(camera.x, camera.y, camera.z, true);
        // Hair, body and brows vary besides eyes and mouths.
        game.generator->configure(7);
        game.generator->setup(0.0f);
        BasicLinkIterator it(game.house->apartments);
        while (KivBase* child = it.next()) {
            Apartment* apartment = static_cast<Apartment*>(child);
            game.generator->resetPools();
            Smiley* smiley = smileys.size() % 8 == 7 ? new Clown() : game.generator->createSmiley();
            smiley->attachTo(&game);
            smiley->position = apartment->position + V3(static_cast<float>(game.house->cellWidth / 2), 0.0f, 0.0f);
            smiley->updateVisuals();
            smiley->apartment = apartment;
            game.smileyLayer->addChildLast(smiley);
            smiley->setState(Smiley::STATE_APPEARING);
            smileys.push_back(smiley);
        }
        game.playerData->score = 1234567;
        game.playerData->coins = 345;
        game.playerData->lives = 3;
        PlayerHUD& hud = *game.hud;
        hud.hidePanel = false;
        hud.showLives = hud.showVitamins = hud.showThermometer = hud.thermometerSlots = true;
        hud.slotCount = 4;
        // The controller's update copies its level to the display each frame.
        game.thermometer = 0.6f;
        hud.thermometerColour = THERMOMETER_COLOUR;
    }

    // Replaces the coins, popups and particles of an earlier stir; selects a
    // smiley and makes a clashing pair glow again.
    void stir()
    {
        game.coinLayer->deleteAllChildren();
        game.effectLayer->deleteAllChildren();
        for (Smiley* smiley : smileys)
            smiley->selected = smiley == smileys[2];
        // The first pair of generated smileys (no clowns) sharing a feature.
        for (Smiley* a : smileys)
            for (Smiley* b : smileys)
                if (!glowing[0] && !a->isClown && !b->isClown && a != b && !a->canMatch(b, false))
                    glowing[0] = a, glowing[1] = b;
        glowing[0]->canMatch(glowing[1], true);
        smileys[4]->showMultiplierBubble(3, 3600.0);
        smileys[10]->holdBreath(3600.0);
        // Coins over the middle floors, and popups and bursts all over the house.
        for (size_t i = 16; i < 32; i += 2)
            smileys[i]->dropCoin(1.0);
        const UColor gold(255, 192, 0, 255);
        for (size_t i : {8, 24, 40}) {
            CircleScore* popup = new CircleScore(&game, 500, 0.0f);
            popup->addStar(gold, 1.0f);
            popup->addCircularText("match bonus", gold, 40.0f, static_cast<float>(M_PI / 2), 1);
            popup->position = smileys[i]->boundsCentre + V3(0.0f, 8.0f, 0.0f);
            popup->updateVisuals();
            game.effectLayer->addChildLast(popup);
        }
        for (size_t i : {12, 20, 36, 44}) {
            const V3 at = smileys[i]->boundsCentre;
            const float turn = static_cast<float>(2.0 * M_PI);
            game.effectLayer->addChildLast(
                new Firework(at.x, at.y, at.z, 40, 100.0f, 160.0f, 0.0f, turn, 3.0f, UColor(255, 160, 64, 255)));
            game.effectLayer->addChildLast(new StarBurst(at.x, at.y, at.z, 75, 100.0f, 160.0f, 0.0f, turn, 3.0f));
        }
    }

    GameController& game;
    // In the house's order: top floor first, left to right; every eighth a clown.
    std::vector<Smiley*> smileys;
    // A pair of smileys sharing a feature, set glowing by stir().
    Smiley* glowing[2] = {};
};

} // namespace testsupport
