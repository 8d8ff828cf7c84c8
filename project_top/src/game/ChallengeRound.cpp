#include "game/ChallengeRound.h"

#include "BasicLinkIterator.h"
#include "Camera.h"
#include "CameraBlender.h"
#include "ContextBlender.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "board/House.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "board/SmileyGenerator.h"
#include "effects/ArrowMessage.h"
#include "effects/GameSupport.h"
#include "game/GameController.h"
#include "rules/HouseProgression.h"

#include <algorithm>

namespace {

constexpr float POINT_DOWN = 4.712389f;
const UColor ARROW_GREEN(192, 255, 0, 255);
// More than this share of the time left pays the extra bonus.
constexpr float QUICK_ANSWER = 0.5f;

}

ChallengeRound::ChallengeRound(GameController& owner) : game(owner)
{
}

void ChallengeRound::fill(KivBase* list)
{
    const House* house = game.house;
    const int cells = house->sizeX * house->sizeY;
    const V3 spot = house->getCameraPosition();
    const Camera::VisibleRect seen = Camera::getVisibleRectFrom(0.0f, spot.x, spot.y, spot.z);
    const float depthScale = game.scene->getCameraBlender()->getDepthScale(0.0f);

    SmileyGenerator* generator = game.generator;
    generator->resetPools();
    Smiley* shown = generator->createSmiley();
    shown->position = V3(seen.left + 90.0f * depthScale, (seen.top - seen.bottom) * 0.5f, 0.0f);
    shown->addShadow();
    shown->addCloud();
    shown->updateVisuals();
    shown->selectable = false;
    game.smileyLayer->addChildLast(shown);
    game.challengeSmiley = shown;

    for (int i = 0; i < cells; ++i) {
        generator->resetPools();
        if (i == 0)
            generator->avoidFeaturesOf(shown);
        else
            generator->shareFeatureWith(shown);
        list->addChildLast(generator->createSmiley());
    }
}

void ChallengeRound::begin()
{
    game.thermometer = 1.0f;
    game.showStatisticsPage = false;
    game.eagleEyeEarned = false;
    const int cells = game.sizeX * game.sizeY;
    game.drainSpeed = HouseProgression::challengeDrainSpeed(cells);
    const V3 at = game.challengeSmiley->position + V3(0.0f, 120.0f, 0.0f);
    ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, ARROW_GREEN, POINT_DOWN, "match this!");
    arrow->lifetime = 4.0;
    game.keepCaptionClearOfOverlay(*arrow);
    PlayerHUD* hud = game.hud;
    hud->showVitamins = false;
    hud->showThermometer = true;
    hud->thermometerSlots = false;
    hud->startAlarmClock(HouseProgression::challengeAlarmSeconds(cells));
    game.effectLayer->addChildLast(arrow);
    hud->thermometerColour = UColor(64, 255, 0, 255);
    if (pGlobal->hst.bInGameMusic) {
        game.music = GameSupport::resource<SoundStream>("musicHurry");
        pKiv->pAudio->setMusic(game.music);
    }
    game.showHelpOnce(&game.challengeTipShown,
                      "Find the matching smiley|as fast as possible!|~|There's only one solution|but hurry,|the clock "
                      "is ticking!",
                      "", GameSupport::resource<Skin>("help:8"));
}

void ChallengeRound::judge(Smiley* answer)
{
    answer->selected = true;
    if (answer->canMatch(game.challengeSmiley, true)) {
        game.matchBonusEarned = true;
        if (game.thermometer > QUICK_ANSWER)
            game.extraBonusEarned = true;
        game.endCaption = "well done!";
        BasicLinkIterator walk(game.smileyLayer);
        while (Smiley* other = static_cast<Smiley*>(walk.next()))
            if (other != game.challengeSmiley && other->state == Smiley::STATE_PRESENT)
                other->dropCoin(game.coinChance);
        game.endSound = GameSupport::resource<Sound>("jingle04");
    } else {
        GameSupport::resource<Sound>("jingle06")->play();
        game.endSound = GameSupport::resource<Sound>("lose");
        game.endCaption = "no bonus!";
    }
    game.setState(GameController::STATE_HOUSE_END);
}

void ChallengeRound::drain(double dt)
{
    const bool playing = game.state == GameController::STATE_PLAY;
    if (playing)
        game.thermometer -= game.drainSpeed * static_cast<float>(dt);
    game.thermometer = std::clamp(game.thermometer, 0.0f, 1.0f);
    game.hud->thermometerLevel = game.thermometer;
    if (playing && game.thermometer <= 0.0f) {
        game.endSound = GameSupport::resource<Sound>("lose");
        game.endCaption = "too slow!";
        game.setState(GameController::STATE_HOUSE_END);
    }
}
