#include "game/GameController.h"

#include "Background.h"
#include "BasicLinkIterator.h"
#include "CameraBlender.h"
#include "ContextBlender.h"
#include "ContextHighScores.h"
#include "ContextManager.h"
#include "ErrorManager.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "board/Apartment.h"
#include "board/House.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "board/Smiley2ndRender.h"
#include "board/SmileyGenerator.h"
#include "effects/ArrowMessage.h"
#include "effects/CameraStatic.h"
#include "effects/GameSupport.h"
#include "effects/TextInk.h"
#include "game/ChallengeRound.h"
#include "game/GameHelp.h"
#include "game/GameRegistry.h"
#include "game/GameScenery.h"
#include "game/HouseEndShow.h"
#include "game/HouseSmileys.h"
#include "game/HouseTimers.h"
#include "game/MatchRewards.h"
#include "game/SavedGameBook.h"
#include "game/VitaminEffects.h"
#include "rules/Scoring.h"
#include "rules/StandardRandom.h"

#include <algorithm>

namespace {

constexpr float POINT_DOWN = 4.712389f;
const UColor WHITE(255, 255, 255, 255);
const UColor ARROW_GREEN(192, 255, 0, 255);

void playSound(const char* key)
{
    GameSupport::resource<Sound>(key)->play();
}

// The game's random fraction in [0, 1), for single-precision sums.
float randomFraction()
{
    return static_cast<float>(GameSupport::randomFraction());
}

ArrowMessage* makeArrow(const V3& at, UColor colour, const std::string& caption, double lifetime)
{
    ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, colour, POINT_DOWN, caption);
    arrow->lifetime = lifetime;
    return arrow;
}

bool inGameMusic()
{
    return pGlobal->hst.bInGameMusic;
}

}

GameController::GameController() : difficulty(std::clamp(pGlobal->hst.startingLevel, 0, HSTdata::MAX_STARTING_LEVEL))
{
    bDeleteWhenFinished = true;
    bConfirmBeforeClose = true;

    matchHistory = new KivBase();

    scene = new ContextBlender();
    addChildLast(scene);
    scene->addChildLast(new Background(Background::LAYER_SKY));
    sceneryLayer = new KivBase();
    scene->addChildLast(sceneryLayer);
    scene->addChildLast(new Background(Background::LAYER_GRASS));
    houseBackLayer = new KivBase();
    scene->addChildLast(houseBackLayer);
    smileyLayer = new KivBase();
    scene->addChildLast(smileyLayer);
    houseLayer = new KivBase();
    scene->addChildLast(houseLayer);
    coinLayer = new KivBase();
    scene->addChildLast(coinLayer);
    scene->addChildLast(new Background(Background::LAYER_GROUND));
    scene->addChildLast(new Smiley2ndRender(smileyLayer));
    flowerLayer = new KivBase();
    scene->addChildLast(flowerLayer);
    effectLayer = new KivBase();
    scene->addChildLast(effectLayer);

    overlay = new Context();
    addChildLast(overlay);
    hud = new PlayerHUD();
    overlay->addChildLast(hud);

    playerData = new PlayerData(0);
    scene->addChildLast(playerData);

    captionText = new RenderableText(0.0f, 100.0f, 0.0f, "", pGlobal->pFontLarge, WHITE);
    captionText->fadeIn = 0.25;
    captionText->fadeOut = 0.25;
    captionText->bDieWhenDone = false;
    overlay->addChildLast(captionText);
    statsLayer = new KivBase();
    overlay->addChildLast(statsLayer);
    bonusLayer = new KivBase();
    overlay->addChildLast(bonusLayer);

    generator = new SmileyGenerator();
    generator->host = this;
    hud->host = this;

    smileys = std::make_unique<HouseSmileys>(smileyLayer);
    scenery = std::make_unique<GameScenery>(*this);
    book = std::make_unique<SavedGameBook>(*this);
    help = std::make_unique<GameHelp>(*this);
    rewards = std::make_unique<MatchRewards>(*this);
    endShow = std::make_unique<HouseEndShow>(*this);
    timers = std::make_unique<HouseTimers>(*this);
    vitamins = std::make_unique<VitaminEffects>(*this);
    challenge = std::make_unique<ChallengeRound>(*this);
}

GameController::~GameController()
{
    delete matchHistory;
    delete generator;
    if (pGlobal)
        pGlobal->profileManager.lastHighScorePosition = -1;
}

// Only closing ends the game's turn as the current one: a dialog or the map
// over the game merely covers it.
void GameController::deactivate(bool closing)
{
    if (!closing)
        return;
    GameRegistry* registry = GameRegistry::of(pGlobal);
    if (registry && registry->currentGame() == this)
        registry->setCurrentGame(nullptr);
    pKiv->pAudio->setMusic(GameSupport::resource<SoundStream>("musicMenu"));
    pGlobal->savePlayerFiles();
}

void GameController::tickContents(double time, double step)
{
    Context::tickContents(time, step);
    if (challengeRound)
        onTimeOut(time, step);
    else
        updateGame(time, step);
    if (state == STATE_PLAY)
        timers->tick(time);
}

void GameController::onStateChange()
{
    switch (state) {
    case STATE_TITLE:
        captionText->setText(modeName, 2.0, 0.0);
        setState(STATE_SAVED_GAME, 0.25);
        break;
    case STATE_SAVED_GAME:
        book->offerOrClear();
        setState(STATE_STREET, 0.25);
        break;
    case STATE_STREET:
        buildScene();
        setState(STATE_HOUSE, 4.0);
        break;
    case STATE_HOUSE:
        buildHouse();
        setState(STATE_CAPTION, 3.0);
        break;
    case STATE_CAPTION:
        captionText->setText(challengeRound ? UString("challenge round!")
                                            : formatString("house %d-%d", neighbourhood + 1, houseIndex + 1),
                             2.0, 0.0);
        setState(STATE_PLAY, 1.0);
        break;
    case STATE_PLAY:
        beginHousePlay();
        break;
    case STATE_HOUSE_END:
        endHouse();
        setState(STATE_STATISTICS, 0.5);
        break;
    case STATE_STATISTICS:
        if (endSound)
            endSound->play();
        if (inGameMusic() && challengeRound)
            pKiv->pAudio->fadeMusic(0.0f, 1.0);
        showStatistics();
        awardHouseBonuses();
        hud->showVitamins = false;
        hud->showThermometer = false;
        setState(STATE_NEXT_HOUSE, 5.0);
        break;
    case STATE_NEXT_HOUSE:
        nextHouse();
        break;
    case STATE_GAME_OVER:
        gameOver();
        setState(STATE_HIGH_SCORES, 5.0);
        break;
    case STATE_HIGH_SCORES:
        pGlobal->pContextManager->pushContext(new ContextHighScores(modeIndex));
        // Pushed last, so seen first: its OK button leads to the table.
        if (GameRegistry* registry = GameRegistry::of(pGlobal); registry && bJourneyComplete)
            registry->pushEnding();
        setState(STATE_CLOSING, 0.1);
        break;
    case STATE_CLOSING:
        pGlobal->pContextManager->pFader->targetCoverage = 1.0f;
        setState(STATE_FINISHED, 2.0);
        break;
    case STATE_FINISHED:
        bFinished = true;
        break;
    default:
        break;
    }
}

void GameController::buildScene()
{
    showHowToPlay();
    scenery->addStreet();
}

void GameController::buildHouse()
{
    hud->hidePanel = false;
    challengeRound = HouseProgression::isChallengeRound(houseIndex, housesInNeighbourhood);
    beginNeighbourhood();
    saveGame();
    bEscapeCloses = !challengeRound;

    CameraBlender* camera = scene->getCameraBlender();
    const Camera::VisibleRect view = camera->getVisibleRect(0.0f);
    sceneX = camera->position.x + 1.5f * (view.right - view.left);

    houseBackLayer->deleteAllChildren();
    smileyLayer->deleteAllChildren();
    challengeSmiley = nullptr;
    nextImpatience = 0.0;

    house = new House();
    house->create(sceneX, sizeX, sizeY, houseBackLayer);
    houseLayer->addChildLast(house);

    const V3 spot = house->getCameraPosition();
    scenery->addHouseSurroundings(Camera::getVisibleRectFrom(0.0f, spot.x, spot.y, spot.z));

    CameraStatic* glide = new CameraStatic(spot.x, spot.y, spot.z, true);
    glide->duration = 3.0;
    camera->addChildLast(glide);

    matchHistory->deleteAllChildren();
    generator->configure(featureFlags);
    generator->setup(challengeRound ? 0.0f : houseHardness);

    KivBase list;
    if (challengeRound) {
        fillHouse(&list);
        GameController::placeSmileys(&list);
    } else {
        generateSmileys(&list);
        placeSmileys(&list);
    }
    KIV_ASSERT(list.getChildCount() == 0);

    if (inGameMusic()) {
        if (challengeRound) {
            pKiv->pAudio->fadeMusic(0.0f, 1.0);
        } else {
            pKiv->pAudio->setMusic(music);
            pKiv->pAudio->fadeMusic(1.0f, 1.0);
        }
    }
}

void GameController::beginHousePlay()
{
    coinLayer->deleteAllChildren();
    cullScenery();

    houseStartTime = static_cast<float>(t);
    houseEndTime = 0.0f;
    matches = 0;
    mistakes = 0;
    coinsThisHouse = 0;
    scoreAtHouseStart = playerData->score;

    eagleEyeEarned = true;
    matchBonusEarned = false;
    extraBonusEarned = false;
    clearBonusEarned = true;
    showStatisticsPage = true;
    matchPitch = 1.0f;

    hud->thermometerColour = modeColour;
    hud->thermometerSlots = true;
    hud->removeAlarmClock();
    statsLayer->deleteAllChildren();

    if (challengeRound)
        challenge->begin();
    else
        beginPlay();

    BasicLinkIterator walk(smileyLayer);
    while (KivBase* smiley = walk.next())
        smiley->setState(Smiley::STATE_APPEARING, static_cast<double>(randomFraction() * 0.3f));
}

void GameController::endHouse()
{
    houseEndTime = static_cast<float>(t);
    hud->removeAlarmClock();
    pKiv->pAudio->fadeMusic(0.5f, 0.5);
    captionText->setText(endCaption, 6.5, 0.0);

    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next())) {
        if (leftoverAwayNotes && smiley->apartment && smiley->state == Smiley::STATE_PRESENT)
            smiley->apartment->setAwayNote(true);
        const bool answer = challengeRound && smiley->canMatch(challengeSmiley, false);
        if (!challengeRound)
            smiley->leave(leftoverPenalty);
        else if (!smiley->selected && smiley != challengeSmiley && !answer)
            smiley->leave(leftoverPenalty);
        if (!smiley->isClown)
            clearBonusEarned = false;
        if (answer && !smiley->selected) {
            ArrowMessage* arrow = makeArrow(smiley->position + V3(0.0f, 90.0f, 0.0f), ARROW_GREEN, "solution", 4.0);
            keepCaptionClearOfOverlay(*arrow);
            effectLayer->addChildLast(arrow);
        }
    }
}

HouseProgression::Position GameController::position() const
{
    HouseProgression::Position at;
    at.housesPlayed = housesPlayed;
    at.neighbourhood = neighbourhood;
    at.houseIndex = houseIndex;
    at.housesInNeighbourhood = housesInNeighbourhood;
    at.challengeRound = challengeRound;
    return at;
}

void GameController::nextHouse()
{
    HouseProgression::Position at = position();
    const HouseProgression::Next next = HouseProgression::advance(at, retryHouse);
    housesPlayed = at.housesPlayed;
    neighbourhood = at.neighbourhood;
    houseIndex = at.houseIndex;
    challengeRound = at.challengeRound;
    retryHouse = false;
    switch (next) {
    case HouseProgression::NEXT_HOUSE:
        showNeighbourhoodIntro = false;
        setState(STATE_HOUSE);
        break;
    case HouseProgression::NEXT_NEIGHBOURHOOD:
        showNeighbourhoodIntro = true;
        setState(STATE_STREET);
        break;
    case HouseProgression::JOURNEY_DONE:
        finishJourney();
        break;
    }
}

void GameController::closeGame()
{
    book->enterHighScore();
    hud->showVitamins = false;
    clearSavedGame();
    pGlobal->savePlayerFiles();
    if (inGameMusic())
        pKiv->pAudio->fadeMusic(0.0f, 1.0);
}

void GameController::gameOver()
{
    closeGame();
    playSound("gameover");
    captionText->setText(gameOverCaption, 4.0, 0.0);
}

void GameController::finishJourney()
{
    bJourneyComplete = true;
    closeGame();
    captionText->setText("journey complete!", 4.0, 0.0);
    setState(STATE_HIGH_SCORES, 5.0);
}

void GameController::startGame()
{
    if (GameRegistry* registry = GameRegistry::of(pGlobal))
        registry->setCurrentGame(this);
    pKiv->pAudio->fadeMusic(0.0f, 1.0);
    RadialFader* fader = pGlobal->pContextManager->pFader;
    fader->coverage = 1.0f;
    fader->targetCoverage = 0.0f;
    scene->getCameraBlender()->jumpTo(0.0f, 0.0f, static_cast<float>(-(pKiv->pGraphics->fovWidth / 2)), true);
    setState(STATE_TITLE);
}

void GameController::updateGame(double, double step)
{
    const bool playing = state == STATE_PLAY;
    if (playing)
        thermometer -= drainSpeed * static_cast<float>(step);
    thermometer = std::clamp(thermometer, 0.0f, 1.0f);
    hud->thermometerLevel = thermometer;
    if (playing && !challengeRound) {
        playerData->multiplierElapsed += step;
        if (playerData->multiplierElapsed > playerData->multiplierDuration)
            playerData->setMultiplier(1, 999999.0);
    }
}

void GameController::onTimeOut(double, double step)
{
    challenge->drain(step);
}

void GameController::generateSmileys(KivBase*)
{
}

void GameController::fillHouse(KivBase* list)
{
    challenge->fill(list);
}

void GameController::placeSmileys(KivBase* list)
{
    BasicLinkIterator apartments(house->apartments);
    while (list->pFirstChild) {
        Apartment* apartment = static_cast<Apartment*>(apartments.next());
        if (!apartment)
            return;
        placeSmiley(static_cast<Smiley*>(list->getRandomChild()), apartment);
    }
}

void GameController::placeSmiley(Smiley* smiley, Apartment* apartment)
{
    smiley->getParent()->removeChild(smiley);
    smiley->position = V3(apartment->position.x + static_cast<float>(house->cellWidth / 2), apartment->position.y,
                          apartment->position.z);
    smiley->updateVisuals();
    smiley->apartment = apartment;
    smileyLayer->addChildLast(smiley);
}

void GameController::onSmileyClicked(Smiley* smiley)
{
    if (state != STATE_PLAY)
        return;
    playRandomVoice();
    if (challengeRound)
        onChallengeAnswer(smiley);
    else
        onSmileySelected(smiley);
}

bool GameController::useVitamin(int kind)
{
    if (state != STATE_PLAY)
        return false;
    return vitamins->use(kind);
}

void GameController::showHowToPlay()
{
    housesInNeighbourhood = HouseProgression::neighbourhoodHouses[neighbourhood];
    featureFlags = HouseProgression::neighbourhoodFeatures[neighbourhood];
    playerData->setMultiplier(1, 999999.0);
}

void GameController::beginNeighbourhood()
{
    const HouseProgression::Size size =
        HouseProgression::houseSize(houseIndex, neighbourhood, static_cast<GameMode>(modeIndex), challengeRound);
    sizeX = size.width;
    sizeY = size.height;
    if (showNeighbourhoodIntro)
        help->introduceNeighbourhood();
}

void GameController::beginPlay()
{
}

void GameController::onSmileySelected(Smiley*)
{
}

void GameController::onChallengeAnswer(Smiley* smiley)
{
    challenge->judge(smiley);
}

void GameController::onMatch(Smiley*, Smiley*)
{
    ++matches;
}

void GameController::onMistake(Smiley*, Smiley*)
{
    matchHistory->deleteAllChildren();
    showHelpOnce(&mistakeTipShown,
                 "You can only match smileys|with different features.|~|If you make a mistake,|it will be "
                 "highlighted in green.",
                 "", GameSupport::resource<Skin>("help:3"));
    ++mistakes;
}

void GameController::onSmileyBreathOut(Smiley*)
{
}

void GameController::loadGame()
{
    book->load();
}

void GameController::saveGame()
{
    book->save();
    pGlobal->savePlayerFiles();
}

void GameController::clearSavedGame()
{
    book->clear();
}

void GameController::creditCoins(int n)
{
    coinsThisHouse += n;
    playerData->addCoins(n);
}

void GameController::spendCoins(int n)
{
    playerData->addCoins(-n);
}

void GameController::cullScenery()
{
    scenery->cull();
}

int GameController::countPartners(Smiley* s) const
{
    return smileys->countPartners(s);
}

Smiley* GameController::findHardestSmiley(int* partners) const
{
    return smileys->findHardest(partners);
}

bool GameController::anyMatchLeft() const
{
    return smileys->anyMatchLeft();
}

int GameController::countWaitingSmileys() const
{
    return smileys->countWaiting();
}

Smiley* GameController::getSelectedSmiley() const
{
    return smileys->selected();
}

void GameController::deselectAll()
{
    smileys->deselectAll();
}

Smiley* GameController::getSmileyInApartment(const Apartment* apartment) const
{
    return smileys->inApartment(apartment);
}

Smiley* GameController::findPlayableSmiley() const
{
    return smileys->findPlayable();
}

void GameController::showDialog(const std::string& text, const std::string& title, Skin* picture)
{
    help->showDialog(text, title, picture);
}

void GameController::showHelpOnce(bool* shownFlag, const std::string& text, const std::string& title, Skin* picture)
{
    help->showHelpOnce(shownFlag, text, title, picture);
}

void GameController::playRandomVoice()
{
    help->playRandomVoice();
}

void GameController::showStatistics()
{
    endShow->showStatistics();
}

void GameController::awardHouseBonuses()
{
    endShow->awardHouseBonuses();
}

void GameController::checkChainBonus(Smiley* a, Smiley* b)
{
    rewards->checkChainBonus(a, b);
}

void GameController::showPenalty(const V3& at, int points)
{
    rewards->showPenalty(at, points);
}

float GameController::risingHardness(float lastPerLevel) const
{
    return HouseProgression::risingHardness(difficulty, houseIndex, housesInNeighbourhood, lastPerLevel);
}

void GameController::payMatch(Smiley* a, Smiley* b)
{
    const int first = a->collectMatchReward();
    creditPoints(first + b->collectMatchReward());
}

void GameController::judgePair(Smiley* selected, Smiley* smiley)
{
    smiley->selected = false;
    selected->selected = false;
    if (smiley->canMatch(selected, true))
        onMatch(selected, smiley);
    else
        onMistake(selected, smiley);
}

void GameController::checkCircusBonus(Smiley* a, Smiley* b)
{
    rewards->checkCircusBonus(a, b);
}

int GameController::stageDifficulty() const
{
    return difficulty;
}

void GameController::creditPoints(int points)
{
    playerData->addScore(points, true);
}

int GameController::scoreMultiplier() const
{
    return playerData->multiplier;
}

void GameController::creditPointsAsShown(int points)
{
    playerData->addScore(points, false);
}

float GameController::fillThermometer(float amount)
{
    thermometer += amount;
    return thermometer;
}

float GameController::sceneDepthScale() const
{
    return scene->pCamera->getDepthScale(0.0f);
}

void GameController::smileyClicked(Smiley* smiley)
{
    onSmileyClicked(smiley);
}

void GameController::smileyBreathedOut(Smiley* smiley)
{
    onSmileyBreathOut(smiley);
}

int32_t GameController::newSmileyValue() const
{
    return Scoring::smileyValue(neighbourhood, difficulty);
}

void GameController::chargeLeftover(const V3& at)
{
    if (challengeRound)
        return;
    creditPoints(-Scoring::LEFTOVER_PENALTY);
    showPenalty(at, -Scoring::LEFTOVER_PENALTY);
}

float GameController::coinDropChance() const
{
    return coinChance;
}

void GameController::collectCoins(int n)
{
    creditCoins(n);
}

void GameController::breakChain()
{
    matchHistory->deleteAllChildren();
}

void GameController::addCoin(KivBase* coin)
{
    coinLayer->addChildLast(coin);
}

void GameController::addSceneEffect(KivBase* effect)
{
    effectLayer->addChildLast(effect);
}

void GameController::addOverlayEffect(KivBase* effect)
{
    bonusLayer->addChildLast(effect);
}

Camera::VisibleRect GameController::sceneView() const
{
    return scene->pCamera->getVisibleRect(0.0f);
}

std::vector<ViewBox> GameController::overlayViewBoxes() const
{
    std::vector<ViewBox> boxes = hud->panelBoxes();
    ViewBox ink;
    if (TextInk::measureShown(*captionText, &ink))
        boxes.push_back(ink);
    for (ViewBox& box : boxes)
        box = box.seenBy(*overlay->pCamera, 0.0f);
    return boxes;
}

void GameController::keepCaptionClearOfOverlay(ArrowMessage& arrow) const
{
    arrow.keepOut = [this] { return overlayViewBoxes(); };
}

const PlayerData& GameController::player() const
{
    return *playerData;
}

bool GameController::multiplierBadgeShown() const
{
    return !challengeRound && state == STATE_PLAY;
}
