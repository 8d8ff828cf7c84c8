#include "game/GameControllerAdventure.h"

#include "BasicLinkIterator.h"
#include "Camera.h"
#include "ContextBlender.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "board/Apartment.h"
#include "board/Clown.h"
#include "board/FeatureBody.h"
#include "board/House.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "board/SmileyGenerator.h"
#include "effects/ArrowMessage.h"
#include "effects/Blob.h"
#include "effects/GameSupport.h"
#include "game/Orb.h"
#include "rules/HouseProgression.h"
#include "rules/ModeTable.h"
#include "rules/Scoring.h"

#include <algorithm>

namespace {

// Seconds into the wait: a voice, then the leftovers liquify.
constexpr double WAIT_VOICE = 1.5;
constexpr double WAIT_LIQUIFY = 3.0;
// Blobs per leftover, and their flight.
constexpr int BLOBS_PER_SMILEY = 5;
constexpr double FIRST_FLIGHT = 1.0;
constexpr double FIRST_STEP = 0.2;
constexpr double SHORTEST_STEP = 0.04;

const ModeTable::Row& QUEST = ModeTable::of(MODE_QUEST);


bool crossed(double mark, double timeInState, double step)
{
    return timeInState >= mark && timeInState - step < mark;
}

}

GameControllerAdventure::GameControllerAdventure()
{
    modeIndex = MODE_QUEST;
    modeName = QUEST.name;
    modeColour = UColor(0, 64, 255, 255);
}

void GameControllerAdventure::startGame()
{
    GameController::startGame();
    for (int k = 0; k < QUEST.vitaminCount; ++k)
        hud->addVitamin(new Orb(this, QUEST.vitamins[k]));
    thermometerSlotCount = ModeTable::thermometerSlots(MODE_QUEST, difficulty);
    hud->slotCount = thermometerSlotCount;
    savedGameSlots = thermometerSlotCount;
}

void GameControllerAdventure::updateGame(double time, double step)
{
    GameController::updateGame(time, step);
    if (state == STATE_PLAY) {
        if (!smileyLayer->pFirstChild)
            setState(STATE_HOUSE_END);
        else if (countWaitingSmileys() > 0 && !anyMatchLeft())
            strandLeftovers();
        if (state == STATE_PLAY && playerData->lives < 1)
            setState(STATE_GAME_OVER);
    } else if (state == STATE_MODE_END) {
        if (crossed(WAIT_VOICE, timeInState, step))
            GameSupport::resource<Sound>("voice11")->play();
        if (timeInState < WAIT_LIQUIFY) {
            const float tint = std::clamp(static_cast<float>(timeInState / WAIT_LIQUIFY), 0.0f, 1.0f);
            BasicLinkIterator walk(smileyLayer);
            while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
                // A clown has no body to tint.
                if (FeatureBody* body = dynamic_cast<FeatureBody*>(smiley->features[SmileyFace::BODY]);
                    body && smiley->state == Smiley::STATE_PRESENT)
                    body->breathTint = tint;
        }
        if (crossed(WAIT_LIQUIFY, timeInState, step))
            liquifyLeftovers();
    }
}

void GameControllerAdventure::strandLeftovers()
{
    endCaption = "no more matches!";
    GameSupport::resource<Sound>("honk")->play();
    showHelpOnce(&noMatchesTipShown,
                 "Some smileys have been|left without a match!|~|There is always a way|to completely clear each "
                 "house,|so make your selections|carefully!",
                 "", GameSupport::resource<Skin>("help:4"));
    hud->showVitamins = false;
    clearBonusEarned = false;
    endSound = nullptr;

    Smiley* first = nullptr;
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next())) {
        if (smiley->state != Smiley::STATE_PRESENT)
            continue;
        if (!first)
            first = smiley;
        smiley->canMatch(first, true);
    }
    setState(STATE_MODE_END);
}

void GameControllerAdventure::liquifyLeftovers()
{
    GameSupport::resource<Sound>("liquify")->play();
    float level = thermometer;
    double flight = FIRST_FLIGHT;
    double step = FIRST_STEP;
    const float share = (1.0f / static_cast<float>(thermometerSlotCount)) / static_cast<float>(BLOBS_PER_SMILEY);
    const Camera* world = scene->pCamera;
    const Camera* screen = overlay->pCamera;

    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next())) {
        if (smiley->state != Smiley::STATE_PRESENT)
            continue;
        if (smiley->apartment)
            smiley->apartment->setAwayNote(true);
        smiley->leave(false);
        ++playerData->usedSlots;
        ++mistakes;
        const V3 onScreen = world->world2screen(smiley->position.x, smiley->position.y, smiley->position.z);
        const V3 from = screen->screen2world(onScreen.x, onScreen.y, 0.0f);
        for (int i = 0; i < BLOBS_PER_SMILEY; ++i) {
            const V3 to = hud->getThermometerPosition(level);
            bonusLayer->addChildLast(new Blob(*this, from.x, from.y, from.z, to.x, to.y, to.z, flight, share));
            flight += step;
            step = std::max(SHORTEST_STEP, step * 0.95);
            level += share;
        }
    }
    setState(playerData->usedSlots < thermometerSlotCount ? STATE_HOUSE_END : STATE_GAME_OVER, flight);
}

void GameControllerAdventure::generateSmileys(KivBase* list)
{
    const int pairs = (house->sizeX * house->sizeY) / 2;
    for (int i = 0; i < pairs; ++i) {
        generator->resetPools();
        Smiley* first = generator->createSmiley();
        list->addChildLast(first);
        if (GameSupport::randomFraction() < static_cast<double>(clownChance)) {
            Clown* clown = new Clown();
            clown->attachTo(this);
            list->addChildLast(clown);
        } else {
            generator->resetPools();
            generator->avoidFeaturesOf(first);
            list->addChildLast(generator->createSmiley());
        }
    }
}

void GameControllerAdventure::placeSmileys(KivBase* list)
{
    const bool odd = (sizeX * sizeY) % 2 == 1;
    BasicLinkIterator walk(house->apartments);
    while (Apartment* apartment = static_cast<Apartment*>(walk.next())) {
        if (odd && apartment->gridX == sizeX / 2 && apartment->gridY == sizeY / 2) {
            apartment->setAwayNote(true);
            continue;
        }
        if (!list->pFirstChild)
            continue;
        placeSmiley(static_cast<Smiley*>(static_cast<KivBase*>(list->getRandomChild())), apartment);
    }
}

bool GameControllerAdventure::useVitamin(int kind)
{
    if (state != STATE_PLAY)
        return false;
    if (kind != VITAMIN_EMPTY_SLOT)
        return GameController::useVitamin(kind);
    if (playerData->usedSlots == 0) {
        showDialog("|All slots are|already empty!", "", nullptr);
        return false;
    }
    --playerData->usedSlots;
    thermometer -= 1.0f / static_cast<float>(thermometerSlotCount);
    hud->thermometerFirework(thermometer, UColor(255, 255, 128, 255));
    return true;
}

void GameControllerAdventure::showHowToPlay()
{
    GameController::showHowToPlay();
    music = GameSupport::resource<SoundStream>(ModeTable::track(MODE_QUEST, neighbourhood));
    showHelpOnce(&howToPlayShown,
                 "Match all smileys in the house.||At the end of each house,|each unmatched smiley|fills up one "
                 "thermometer slot.|~|Don't let all slots fill up|or it's game over!",
                 "how to play", GameSupport::resource<Skin>(QUEST.howToPlayPicture));
}

void GameControllerAdventure::beginNeighbourhood()
{
    GameController::beginNeighbourhood();
    houseHardness = risingHardness(QUEST.hardnessPerLevel);
}

void GameControllerAdventure::beginPlay()
{
    endCaption = QUEST.clearCaption;
    endSound = GameSupport::resource<Sound>("jingle04");
    clownChance = QUEST.clownChance;
    coinChance = QUEST.coinChance;
    drainSpeed = 0.0f;
    bubbleMin = 2.0;
    bubbleMax = HouseProgression::bubbleMax(housesPlayed);
    bubbleTime = 8.0;
    thermometer = static_cast<float>(playerData->usedSlots) / static_cast<float>(thermometerSlotCount);
    hud->showVitamins = true;
    hud->showThermometer = true;

    const int slotsLeft = thermometerSlotCount - playerData->usedSlots;
    ArrowMessage* arrow =
        new ArrowMessage(-230.0f, -66.0f, 0.0f, UColor(192, 255, 0, 255), 3.1415927f,
                         slotsLeft == 1 ? UString("1 slot left") : formatString("%d slots left", slotsLeft));
    arrow->arrowPosition = V3(0.0f, 40.0f, 0.0f);
    arrow->lifetime = 4.0;
    bonusLayer->addChildLast(arrow);
}

void GameControllerAdventure::onSmileySelected(Smiley* smiley)
{
    if (smiley->isClown)
        showHelpOnce(&clownTipShown, "Clowns act|as wildcards!|~|You can match them|with any smiley!", "",
                     GameSupport::resource<Skin>("help:0"));
    Smiley* selected = getSelectedSmiley();
    if (selected == smiley) {
        smiley->selected = false;
        eagleEyeEarned = false;
    } else if (!selected) {
        smiley->selected = true;
    } else {
        judgePair(selected, smiley);
    }
}

void GameControllerAdventure::onMatch(Smiley* a, Smiley* b)
{
    a->destination = matchHistory;
    b->destination = matchHistory;
    payMatch(a, b);
    GameSupport::resource<Sound>("vibe")->playAtFrequency(matchPitch);
    matchPitch *= 1.0595f;
    a->dismiss();
    b->dismiss();
    checkChainBonus(a, b);
    checkCircusBonus(a, b);
    GameController::onMatch(a, b);
}

void GameControllerAdventure::onMistake(Smiley* a, Smiley* b)
{
    eagleEyeEarned = false;
    GameSupport::resource<Sound>("jingle06")->play();
    const int penalty = Scoring::mistakePenalty(difficulty);
    creditPoints(penalty);
    showPenalty(b->position, penalty);
    GameController::onMistake(a, b);
}
