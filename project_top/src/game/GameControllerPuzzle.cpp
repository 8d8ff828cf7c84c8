#include "game/GameControllerPuzzle.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "Global.h"
#include "RenderableTimed.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "board/Apartment.h"
#include "board/House.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "board/SmileyGenerator.h"
#include "board/Solution.h"
#include "board/SolutionData.h"
#include "board/SolutionPath.h"
#include "board/SolutionPathSegment.h"
#include "effects/ArrowMessage.h"
#include "effects/GameSupport.h"
#include "game/GameRegistry.h"
#include "game/Orb.h"
#include "rules/HouseProgression.h"
#include "rules/ModeTable.h"
#include "rules/Scoring.h"

#include <cmath>

namespace {

constexpr float POINT_DOWN = 4.712389f;
// Seconds from a stuck chain to the end of the house (or the game).
constexpr double STUCK_PAUSE = 1.5;

const UColor PATH_GREEN(128, 192, 0, 255);
const UColor ARROW_GREEN(192, 255, 0, 255);

const ModeTable::Row& PUZZLE = ModeTable::of(MODE_PUZZLE);


// A smiley still in the house: appearing, present, or not yet shown.
bool stays(const Smiley* smiley)
{
    return smiley->state < Smiley::STATE_LEAVING;
}

bool neighbours(const Smiley* a, const Smiley* b)
{
    return a->apartment && a->apartment->adjoins(b->apartment);
}

Smiley* firstSmiley(KivBase* layer)
{
    BasicLinkIterator walk(layer);
    return static_cast<Smiley*>(walk.next());
}

}

GameControllerPuzzle::GameControllerPuzzle()
{
    modeIndex = MODE_PUZZLE;
    modeName = PUZZLE.name;
    leftoverPenalty = true;
    leftoverAwayNotes = true;
    solutionPath = new SolutionPath(*this);
    effectLayer->addChildLast(solutionPath);
}

void GameControllerPuzzle::startGame()
{
    GameController::startGame();
    for (int k = 0; k < PUZZLE.vitaminCount; ++k)
        hud->addVitamin(new Orb(this, PUZZLE.vitamins[k]));
    playerData->lives = PUZZLE.startLives;
}

void GameControllerPuzzle::showHowToPlay()
{
    GameController::showHowToPlay();
    music = GameSupport::resource<SoundStream>(ModeTable::track(MODE_PUZZLE, neighbourhood));
    showHelpOnce(&howToPlayShown,
                 "Solve each puzzle by connecting|all the smileys in one long chain!|~|Each new smiley you select "
                 "must have|different features from the previous one!|",
                 "how to play", GameSupport::resource<Skin>(PUZZLE.howToPlayPicture));
}

void GameControllerPuzzle::beginNeighbourhood()
{
    GameController::beginNeighbourhood();
    houseHardness = 0.0f;
}

void GameControllerPuzzle::generateSmileys(KivBase* list)
{
    const int cells = house->sizeX * house->sizeY;
    const int clashes = Global::countBits(static_cast<uint32_t>(featureFlags)) + 1;
    for (int i = 0; i < cells; ++i) {
        generator->resetPools();
        if (KivBase* previous = static_cast<KivBase*>(list->pLastChild)) {
            generator->avoidFeaturesOf(static_cast<Smiley*>(previous));
            KivBase* before = static_cast<KivBase*>(previous->pPrev);
            for (int n = 0; before && n < clashes; ++n, before = static_cast<KivBase*>(before->pPrev))
                generator->shareFeatureWith(static_cast<Smiley*>(before));
        }
        list->addChildLast(generator->createSmiley());
    }
}

Solution* GameControllerPuzzle::houseSolution()
{
    // The difficulty is clamped when the controller is built and a loaded
    // house number has passed the saved-game rule; anything else here is a
    // fault of the game.
    KIV_ASSERT(difficulty >= 0 && difficulty < GameRegistry::SOLUTION_LEVELS);
    KIV_ASSERT(housesPlayed >= 0 && housesPlayed < GameRegistry::SOLUTION_HOUSES);
    GameRegistry* registry = GameRegistry::of(pGlobal);
    KIV_ASSERT(registry != nullptr);
    Solution*& stored = registry->storedSolution(difficulty, housesPlayed);
    if (stored && (stored->data->sizeX != house->sizeX || stored->data->sizeY != house->sizeY)) {
        delete stored;
        stored = nullptr;
    }
    if (!stored) {
        const UString key = formatString("solution%dx%d", house->sizeX, house->sizeY);
        stored = new Solution(GameSupport::resource<SolutionData>(key.c_str()));
    }
    return stored;
}

void GameControllerPuzzle::placeSmileys(KivBase* list)
{
    const Solution* solution = houseSolution();
    for (int step = 0; step < solution->cellCount && list->pFirstChild; ++step) {
        int x, y;
        solution->getCell(step, &x, &y);
        placeSmiley(static_cast<Smiley*>(static_cast<KivBase*>(list->pFirstChild)), house->getApartmentByXY(x, y));
    }
}

void GameControllerPuzzle::beginPlay()
{
    endCaption = PUZZLE.clearCaption;
    endSound = GameSupport::resource<Sound>("jingle04");
    coinChance = PUZZLE.coinChance;
    bubbleMin = 2.0;
    bubbleMax = HouseProgression::bubbleMax(housesPlayed);
    bubbleTime = 8.0;
    // The chain starts an octave below the other modes' match sound.
    matchPitch *= 0.5f;
    hud->showLives = true;
    hud->showVitamins = true;
    hud->showThermometer = false;
    solutionPath->deleteAllChildren();
    solutionPath->setColour(PATH_GREEN);
    pointAtStart(3.0);
}

void GameControllerPuzzle::pointAtStart(double lifetime)
{
    const Smiley* first = firstSmiley(smileyLayer);
    if (!first)
        return;
    const V3 at = first->position + V3(0.0f, 80.0f, 0.0f);
    ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, ARROW_GREEN, POINT_DOWN, "start here");
    arrow->lifetime = lifetime;
    keepCaptionClearOfOverlay(*arrow);
    effectLayer->addChildLast(arrow);
}

void GameControllerPuzzle::updateGame(double time, double step)
{
    GameController::updateGame(time, step);
    if (state == STATE_PLAY && !smileyLayer->pFirstChild) {
        solutionPath->setColour(UColor(255, 255, 0, 255));
        setState(STATE_HOUSE_END);
    }
}

void GameControllerPuzzle::onSmileySelected(Smiley* smiley)
{
    Smiley* head = getSelectedSmiley();
    if (smiley == head)
        return;
    if (!head) {
        if (smiley == firstSmiley(smileyLayer))
            smiley->selected = true;
        else
            pointAtStart(1.0);
        return;
    }
    if (!neighbours(smiley, head)) {
        showHelpOnce(&adjacencyTipShown,
                     "You can only select|smileys in adjacent|apartments!||From your current selection,|go either "
                     "left, right,|up or down!",
                     "", nullptr);
        return;
    }
    if (smiley->canMatch(head, true))
        onMatch(head, smiley);
    else
        onMistake(head, smiley);
}

int GameControllerPuzzle::countAdjacentPartners(Smiley* s)
{
    int count = 0;
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* other = static_cast<Smiley*>(walk.next()))
        if (stays(other) && neighbours(s, other) && s->canMatch(other, false))
            ++count;
    return count;
}

void GameControllerPuzzle::onMatch(Smiley* a, Smiley* b)
{
    a->destination = matchHistory;
    b->destination = matchHistory;
    payMatch(a, b);
    GameSupport::resource<Sound>("vibe")->playAtFrequency(matchPitch);
    matchPitch *= 1.0595f;

    // Smileys still appearing count as well: a quick first step must not
    // end the chain or strand it before its neighbours are out.
    int staying = 0;
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        staying += stays(smiley);
    a->dismiss();
    if (staying <= 2) {
        b->dismiss();
    } else {
        b->selected = true;
        if (countAdjacentPartners(b) == 0)
            chainStuck(b);
    }
    solutionPath->addSegment(a, b);
    GameController::onMatch(a, b);
}

void GameControllerPuzzle::chainStuck(Smiley* b)
{
    GameSupport::resource<Sound>("honk")->play();
    solutionPath->setColour(UColor(255, 0, 0, 255));
    endCaption = "incomplete!";
    eagleEyeEarned = false;
    endSound = GameSupport::resource<Sound>("lose");
    showHelpOnce(&lostLifeTipShown,
                 "You have lost a life|because you failed|to complete this puzzle!|~|Try the same puzzle "
                 "again!|(the solution won't change)",
                 "", GameSupport::resource<Skin>("help:1"));
    showHelpOnce(&outOfMatchesTipShown,
                 "You have run out|of valid matches!|~|There is always at least|one way to solve each puzzle,|so "
                 "plan ahead!",
                 "", GameSupport::resource<Skin>("help:7"));
    setState(STATE_MODE_END);

    BasicLinkIterator walk(smileyLayer);
    while (Smiley* other = static_cast<Smiley*>(walk.next()))
        if (stays(other) && neighbours(b, other))
            other->canMatch(b, true);

    playerData->addLives(-1);
    if (playerData->lives < 1) {
        setState(STATE_GAME_OVER, STUCK_PAUSE);
    } else {
        retryHouse = true;
        showStatisticsPage = false;
        setState(STATE_HOUSE_END, STUCK_PAUSE);
    }
}

void GameControllerPuzzle::onMistake(Smiley* a, Smiley* b)
{
    b->selected = false;
    eagleEyeEarned = false;
    GameSupport::resource<Sound>("jingle06")->play();
    const int penalty = Scoring::mistakePenalty(difficulty);
    creditPoints(penalty);
    showPenalty(b->position, penalty);
    GameController::onMistake(a, b);
}

bool GameControllerPuzzle::useVitamin(int kind)
{
    if (state != STATE_PLAY)
        return false;
    const bool needsSolution = kind == VITAMIN_NEXT_STEP || kind == VITAMIN_SHOW_PATH || kind == VITAMIN_TRY_AGAIN;
    if (!needsSolution)
        return GameController::useVitamin(kind);
    // A challenge round is not built along a solution.
    if (challengeRound)
        return false;
    switch (kind) {
    case VITAMIN_NEXT_STEP:
        return pointAtNextStep();
    case VITAMIN_SHOW_PATH:
        flashSolution();
        return true;
    default:
        endCaption = "try again!";
        retryHouse = true;
        eagleEyeEarned = false;
        setState(STATE_HOUSE_END);
        return true;
    }
}

bool GameControllerPuzzle::pointAtNextStep()
{
    const Solution* solution = houseSolution();
    if (solution->cellCount < 2)
        return false;
    int step = 1;
    BasicLinkIterator walk(solutionPath);
    while (const SolutionPathSegment* segment = static_cast<SolutionPathSegment*>(walk.next())) {
        int dx, dy;
        solution->getMove(step, &dx, &dy);
        if (segment->moveX != dx || segment->moveY != dy) {
            showDialog("You can't use|this vitamin because|you have already|deviated from the|solution path!", "",
                       nullptr);
            return false;
        }
        if (++step >= solution->cellCount)
            return false;
    }
    // Before the chain has started, the smiley to select is its first one.
    if (!solutionPath->pFirstChild && !getSelectedSmiley())
        step = 0;
    int x, y;
    solution->getCell(step, &x, &y);
    const V3 at =
        house->getApartmentByXY(x, y)->position + V3(static_cast<float>(house->cellWidth / 2), 80.0f, 0.0f);
    ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, PATH_GREEN, POINT_DOWN, "");
    arrow->lifetime = 1.0;
    effectLayer->addChildLast(arrow);
    return true;
}

void GameControllerPuzzle::flashSolution()
{
    const Solution* solution = houseSolution();
    Skin* skin = GameSupport::resource<Skin>("arrowPointer:1");
    const V3 lift(static_cast<float>(house->cellWidth / 2), 40.0f, 0.0f);
    for (int step = 0; step < solution->cellCount - 1; ++step) {
        int x, y, dx, dy;
        solution->getCell(step, &x, &y);
        solution->getMove(step + 1, &dx, &dy);
        const V3 from = house->getApartmentByXY(x, y)->position;
        const V3 to = house->getApartmentByXY(x + dx, y + dy)->position;
        RenderableTimed* arrow = new RenderableTimed();
        arrow->pSkin = skin;
        arrow->position = (from + to) * 0.5f + lift;
        arrow->rotation.z = std::atan2(static_cast<float>(dy), static_cast<float>(dx));
        arrow->scale = V3(0.5f, 0.5f, 1.0f);
        arrow->color = ARROW_GREEN;
        arrow->delay = 0.04 * step;
        arrow->lifetime = 0.5;
        arrow->fadeOut = 0.5;
        arrow->updateVisuals();
        effectLayer->addChildLast(arrow);
    }
}
