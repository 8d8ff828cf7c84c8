#include "game/GameControllerTimeTrial.h"

#include "BasicLinkIterator.h"
#include "Global.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "board/Clown.h"
#include "board/House.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "board/SmileyGenerator.h"
#include "effects/ArrowMessage.h"
#include "effects/GameSupport.h"
#include "game/Orb.h"
#include "rules/ActionPace.h"
#include "rules/ModeTable.h"


namespace {

constexpr float POINT_DOWN = 4.712389f;
constexpr float POINT_LEFT = 3.1415927f;
// A smiley's partner count when there is no smiley to count.
constexpr int NO_CANDIDATE = 1000;

const ModeTable::Row& ACTION = ModeTable::of(MODE_ACTION);


float randomFraction()
{
    return static_cast<float>(GameSupport::randomFraction());
}

// Puts a newcomer where a matched smiley stood; it comes out of the door
// after 1 to 4 seconds.
void moveIn(Smiley* newcomer, const Smiley* leaving, KivBase* layer)
{
    newcomer->position = leaving->position;
    newcomer->updateVisuals();
    newcomer->apartment = leaving->apartment;
    newcomer->setState(Smiley::STATE_APPEARING, 1.0 + 3.0 * static_cast<double>(randomFraction()));
    layer->addChildLast(newcomer);
}

}

GameControllerTimeTrial::GameControllerTimeTrial()
{
    modeIndex = MODE_ACTION;
    modeName = ACTION.name;
    leftoverAwayNotes = true;
}

void GameControllerTimeTrial::startGame()
{
    GameController::startGame();
    for (int k = 0; k < ACTION.vitaminCount; ++k)
        hud->addVitamin(new Orb(this, ACTION.vitamins[k]));
    playerData->lives = ACTION.startLives;
}

void GameControllerTimeTrial::showHowToPlay()
{
    GameController::showHowToPlay();
    music = GameSupport::resource<SoundStream>(ModeTable::track(MODE_ACTION, neighbourhood));
    showHelpOnce(&howToPlayShown,
                 "Match pairs of smileys until|the thermometer is completely full.|~|As time passes,|the "
                 "thermometer slowly empties,|so think quickly!|",
                 "how to play", GameSupport::resource<Skin>(ACTION.howToPlayPicture));
}

void GameControllerTimeTrial::beginNeighbourhood()
{
    GameController::beginNeighbourhood();
    houseHardness = risingHardness(ACTION.hardnessPerLevel);
}

void GameControllerTimeTrial::generateSmileys(KivBase* list)
{
    const int cells = house->sizeX * house->sizeY;
    for (int group = 0; group < cells / 4; ++group) {
        generator->resetPools();
        Smiley* first = generator->createSmiley();
        list->addChildLast(first);
        generator->resetPools();
        generator->avoidFeaturesOf(first);
        Smiley* partner = generator->createSmiley();
        list->addChildLast(partner);
        for (int clash = 0; clash < 2; ++clash) {
            generator->resetPools();
            generator->shareFeatureWith(first);
            generator->shareFeatureWith(partner);
            list->addChildLast(generator->createSmiley());
        }
    }
    while (list->getChildCount() < cells) {
        generator->resetPools();
        list->addChildLast(generator->createSmiley());
    }
}

void GameControllerTimeTrial::beginPlay()
{
    endCaption = ACTION.clearCaption;
    endSound = GameSupport::resource<Sound>("jingle04");
    baseDrain = ActionPace::START_DRAIN;
    drainSpeed = ActionPace::START_DRAIN;
    thermometer = ActionPace::START_LEVEL;
    matchGain = ActionPace::matchGain(difficulty, housesPlayed);
    mistakeLoss = ActionPace::mistakeLoss(matchGain);
    clownChance = ACTION.clownChance;
    coinChance = ACTION.coinChance;
    bubbleMin = 2.0;
    bubbleMax = ActionPace::bubbleMax(housesPlayed);
    bubbleTime = 8.0;
    hud->showLives = true;
    hud->showVitamins = true;
    hud->showThermometer = true;

    if (pGlobal->hst.bInGameHelp && housesPlayed == 0) {
        ArrowMessage* arrow =
            new ArrowMessage(-230.0f, -146.0f, 0.0f, UColor(192, 255, 0, 255), POINT_LEFT, "fill this!");
        arrow->arrowPosition = V3(0.0f, -40.0f, 0.0f);
        arrow->lifetime = 4.0;
        bonusLayer->addChildLast(arrow);
    }
}

void GameControllerTimeTrial::updateGame(double time, double step)
{
    GameController::updateGame(time, step);
    hud->thermometerColour = UColor(UColor(192, 0, 0, 255), UColor(255, 255, 0, 255), thermometer);
    if (state != STATE_PLAY)
        return;
    drainSpeed = ActionPace::drainSpeed(baseDrain, timeInState, housesPlayed);
    if (thermometer >= 1.0f)
        setState(STATE_HOUSE_END);
    else if (thermometer <= 0.0f)
        loseLife();
}

void GameControllerTimeTrial::loseLife()
{
    showHelpOnce(&lostLifeTipShown,
                 "You have lost a life|because your thermometer|ran out completely!|~|Try the same house again!", "",
                 GameSupport::resource<Skin>("help:1"));
    endCaption = "try again!";
    playerData->addLives(-1);
    if (playerData->lives < 1) {
        setState(STATE_GAME_OVER);
        return;
    }
    retryHouse = true;
    showStatisticsPage = false;
    eagleEyeEarned = false;
    endSound = GameSupport::resource<Sound>("lose");
    setState(STATE_HOUSE_END);
}

void GameControllerTimeTrial::onSmileySelected(Smiley* smiley)
{
    if (smiley->isClown)
        showHelpOnce(&clownTipShown, "Clowns act|as wildcards!|~|You can match them|with any smiley!", "",
                     GameSupport::resource<Skin>("help:0"));
    Smiley* selected = getSelectedSmiley();
    if (selected == smiley) {
        smiley->selected = false;
        eagleEyeEarned = false;
        return;
    }
    if (!selected) {
        smiley->selected = true;
        if (!pGlobal->hst.bInGameHelp || hintsLeft <= 0)
            return;
        --hintsLeft;
        BasicLinkIterator walk(smileyLayer);
        while (Smiley* partner = static_cast<Smiley*>(walk.next())) {
            if (partner->state != Smiley::STATE_PRESENT || !smiley->canMatch(partner, false))
                continue;
            const V3 at = partner->position + V3(0.0f, 100.0f, 0.0f);
            ArrowMessage* arrow =
                new ArrowMessage(at.x, at.y, at.z, UColor(128, 192, 0, 255), POINT_DOWN, "matching smiley");
            arrow->swingOffset = 20.0f;
            arrow->lifetime = 1.5;
            keepCaptionClearOfOverlay(*arrow);
            effectLayer->addChildLast(arrow);
            break;
        }
        return;
    }
    judgePair(selected, smiley);
}

void GameControllerTimeTrial::onMatch(Smiley* a, Smiley* b)
{
    a->destination = matchHistory;
    b->destination = matchHistory;
    payMatch(a, b);
    thermometer += matchGain;
    hud->thermometerFirework(thermometer, UColor(255, 255, 128, 255));
    // An octave low at an empty thermometer, an octave high at a full one.
    GameSupport::resource<Sound>("vibe")->playPitched(static_cast<int>(thermometer * 24.0f - 12.0f));
    a->dismiss();
    b->dismiss();
    checkChainBonus(a, b);
    checkCircusBonus(a, b);
    replaceMatched(a, b);
    GameController::onMatch(a, b);
}

void GameControllerTimeTrial::replaceMatched(const Smiley* a, const Smiley* b)
{
    int partners = NO_CANDIDATE;
    Smiley* loneliest = findHardestSmiley(&partners);
    generator->resetPools();
    if (partners == 0)
        generator->avoidFeaturesOf(loneliest);
    Smiley* first = generator->createSmiley();
    moveIn(first, a, smileyLayer);

    Smiley* second = nullptr;
    if (randomFraction() < clownChance) {
        second = new Clown();
        second->attachTo(this);
    } else {
        generator->resetPools();
        generator->shareFeatureWith(first);
        second = generator->createSmiley();
    }
    moveIn(second, b, smileyLayer);
}

void GameControllerTimeTrial::onMistake(Smiley* a, Smiley* b)
{
    eagleEyeEarned = false;
    thermometer -= mistakeLoss;
    hud->thermometerFirework(thermometer, UColor(192, 64, 64, 255));
    GameSupport::resource<Sound>("jingle06")->play();
    GameController::onMistake(a, b);
}
