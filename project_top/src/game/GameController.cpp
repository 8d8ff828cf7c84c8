#include "GameController.h"

#include "Apartment.h"
#include "ArrowMessage.h"
#include "Background.h"
#include "BasicLinkIterator.h"
#include "CameraBlender.h"
#include "CameraStatic.h"
#include "Chamomile.h"
#include "CircleScore.h"
#include "ContextBlender.h"
#include "ContextDialogQX.h"
#include "ContextEnding.h"
#include "ContextHighScores.h"
#include "ContextManager.h"
#include "ContextMap.h"
#include "GameSupport.h"
#include "EndLevelStat.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "House.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "Language.h"
#include "MenuButtonLoadGame.h"
#include "MenuButtonQuit.h"
#include "MyGlobal.h"
#include "PlayerData.h"
#include "PlayerHUD.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "SavedGame.h"
#include "Skin.h"
#include "Smiley.h"
#include "Smiley2ndRender.h"
#include "SmileyGenerator.h"
#include "Sound.h"
#include "SoundStream.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr float HALF_PI = 1.5707964f;
constexpr float POINT_DOWN = 4.712389f;
const UColor WHITE(255, 255, 255, 255);
const UColor ARROW_GREEN(192, 255, 0, 255);

const char* const NEIGHBOURHOOD_INTROS[GameController::NEIGHBOURHOOD_COUNT] = {
    "Let's start our|Glimmerdale journey|at a quiet neighborhood|on %s.|~|Smileys living here only|care about "
    "their|eyes and mouths,|so it's easy to find them company!",
    "Let's now visit|the small neighborhood|on %s.|~|Smileys living here hate it|when somebody copies their hair "
    "style,|so make sure you don't match two|with the same hair!|",
    "Great work so far!|Now, let's move on to|the next neighborhood|on %s.|~|Smileys here strive to be "
    "unique|by changing their body color.|Many of them choose the same color,|but they won't notice if you only "
    "match|them in pairs of different colors!|",
    "Let's go to the busy|neighborhood on %s.|~|Smileys living here pride themselves|on their unique eyebrow "
    "expressions!|As long as matched smileys have|different eyebrows, they'll be happy!|",
    "Our next stop is %s.|Here's where things start to..|well... get tricky.|~|Smileys living here want their "
    "friends|to have different hair as well as| different body color!|",
    "We have arrived at the|neighborhood on %s.|~|Smileys here are not so easily pleased,|they want different "
    "body colors|as well as different eyebrows!|",
    "Phew! We have made it to|%s.|~|Smileys now care both about|their hair and their eyebrows,|so things can "
    "certainly get|hairy around here!",
    "Wow! We have finally|reached the %s.|~|You'll find that smileys here|are the hardest of all to "
    "please,|because they want everything to be|different: hair, body color,|and eyebrow expressions!",
};


void playSound(const char* key)
{
    GameSupport::resource<Sound>(key)->play();
}

// The game's random fraction in [0, 1), for single-precision sums.
float randomFraction()
{
    return static_cast<float>(GameSupport::randomFraction());
}

Renderable* makeProp(Skin* skin, float x, float y, float angle)
{
    Renderable* prop = new Renderable();
    prop->pSkin = skin;
    prop->position = V3(x, y, 0.0f);
    prop->rotation.z = angle;
    prop->updateVisuals();
    return prop;
}

// One of the two trees, on a coin toss, standing at x.
Renderable* makeTree(float x)
{
    Skin* skin = (std::rand() & 1) == 0 ? GameSupport::resource<Skin>("tree:all") : GameSupport::resource<Skin>("tree2:0");
    return makeProp(skin, x, -2.0f, randomFraction() * 0.2f - 0.1f);
}

Chamomile* makeFlower(float x)
{
    Chamomile* flower = new Chamomile();
    flower->position = V3(x, 0.0f, 0.0f);
    flower->setScaleXY(randomFraction() * 0.5f + 0.5f);
    flower->rotation.z = HALF_PI + randomFraction() * 0.7853982f - 0.3926991f;
    flower->updateVisuals();
    return flower;
}

ArrowMessage* makeArrow(const V3& at, UColor colour, const std::string& caption, double lifetime)
{
    ArrowMessage* arrow = new ArrowMessage(at.x, at.y, at.z, colour, POINT_DOWN, caption);
    arrow->lifetime = lifetime;
    return arrow;
}

void replaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
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
}

GameController::~GameController()
{
    delete matchHistory;
    delete generator;
    if (pGlobal)
        pGlobal->profileManager.lastHighScorePosition = -1;
}

bool GameController::isValidSavedGame(const SavedGame& record, int slotCount)
{
    if (record.neighbourhood < 0 || record.neighbourhood >= NEIGHBOURHOOD_COUNT)
        return false;
    if (record.houseIndex < 0 || record.houseIndex >= neighbourhoodHouses[record.neighbourhood])
        return false;
    int housesBefore = record.houseIndex;
    for (int n = 0; n < record.neighbourhood; ++n)
        housesBefore += neighbourhoodHouses[n];
    if (record.housesPlayed != housesBefore || record.housesPlayed < 1)
        return false;
    if (record.score < 0 || record.coins < 0 || record.lives < 1 || record.usedSlots < 0)
        return false;
    return slotCount <= 0 || record.usedSlots < slotCount;
}

// Only closing ends the game's turn as the current one: a dialog or the map
// over the game covers it, and the prompt's continue button must still find
// it.
void GameController::deactivate(bool closing)
{
    if (!closing)
        return;
    MyGlobal* global = getMyGlobal();
    if (global->pCurrentGame == this)
        global->pCurrentGame = nullptr;
    pKiv->pAudio->setMusic(GameSupport::resource<SoundStream>("musicMenu"));
    global->savePlayerFiles();
}

void GameController::tickContents(double time, double step)
{
    Context::tickContents(time, step);
    if (challengeRound)
        onTimeOut(time, step);
    else
        updateGame(time, step);
    if (state != STATE_PLAY)
        return;

    if (nextImpatience < time) {
        if (nextImpatience > 0.0) {
            Smiley* smiley = findPlayableSmiley();
            if (smiley && !challengeRound && !smiley->isClown && !smiley->holdingBreath && countPartners(smiley) > 0) {
                smiley->holdBreath(breathHoldTime);
                showHelpOnce(&impatienceTipShown,
                             "One of the smileys|is getting impatient|and is holding its breath!|~|Find its "
                             "match|before time runs out!",
                             "", GameSupport::resource<Skin>("help:4"));
            }
        }
        nextImpatience = time + drawInterval(impatienceMin, impatienceMax);
    }
    if (nextBubble < time) {
        if (nextBubble > 0.0) {
            Smiley* smiley = findPlayableSmiley();
            if (smiley && !challengeRound && !smiley->isClown)
                smiley->showMultiplierBubble(std::rand() % 4 + 2, bubbleTime);
        }
        nextBubble = time + drawInterval(bubbleMin, bubbleMax);
    }
}

double GameController::drawInterval(double low, double high)
{
    const float u = randomFraction();
    return static_cast<double>(static_cast<float>(low) + u * (static_cast<float>(high) - static_cast<float>(low)));
}

void GameController::onStateChange()
{
    switch (state) {
    case STATE_TITLE:
        captionText->setText(modeName, 2.0, 0.0);
        setState(STATE_SAVED_GAME, 0.25);
        break;
    case STATE_SAVED_GAME: {
        SavedGame& record = savedGame();
        if (record.housesPlayed > 0) {
            if (isValidSavedGame(record, savedGameSlots))
                showSavedGamePrompt(record);
            else
                clearSavedGame();
        }
        setState(STATE_STREET, 0.25);
        break;
    }
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
        if (bJourneyComplete)
            pGlobal->pContextManager->pushContext(new ContextEnding());
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

SavedGame& GameController::savedGame() const
{
    ProfileManager& roster = pGlobal->profileManager;
    return roster.profiles[roster.current].savedGames[modeIndex];
}

void GameController::showSavedGamePrompt(const SavedGame& record)
{
    ContextDialogQX* prompt = new ContextDialogQX();
    prompt->bEscapeCloses = false;
    prompt->hasCloseButton = false;
    prompt->title = "saved game";
    prompt->text = formatString(
        "Your last Glimmerdale|visit has been saved.|Do you want to continue|your journey at house %d-%d?||",
        record.neighbourhood + 1, record.houseIndex + 1);
    prompt->build();
    MenuButtonLoadGame* resume = new MenuButtonLoadGame(0.0f, -60.0f, 0.0f, "continue", "Continue your last game");
    resume->useCloudSkin();
    resume->setWidth(160);
    prompt->addChildLast(resume);
    MenuButtonQuit* restart =
        new MenuButtonQuit(0.0f, -115.0f, 0.0f, "start over", "Start from the beginning (your progress will be lost)");
    restart->useCloudSkin();
    restart->setWidth(160);
    prompt->addChildLast(restart);
    pGlobal->pContextManager->pushContext(prompt);
}

void GameController::buildScene()
{
    showHowToPlay();
    CameraBlender* camera = scene->getCameraBlender();
    const Camera::VisibleRect view = camera->getVisibleRect(0.0f);
    const float width = view.right - view.left;
    sceneX = camera->position.x + 1.5f * width;

    sceneryLayer->addChildLast(makeTree(sceneX + width / 2.0f));
    sceneryLayer->addChildLast(makeProp(GameSupport::resource<Skin>("pole:medium"), sceneX, -110.0f, HALF_PI));
    sceneryLayer->addChildLast(makeProp(GameSupport::resource<Skin>("gui-game-board-arrowR:0"), sceneX, 200.0f, 0.15f));
    RenderableText* name = new RenderableText(sceneX, 200.0f, 0.0f, neighbourhoodNames[neighbourhood],
                                              pGlobal->pFontMedium, UColor(255, 128, 0, 255));
    name->flags = 20;
    name->rotation.z = 0.15f;
    name->updateVisuals();
    sceneryLayer->addChildLast(name);
    if (std::rand() % 3 == 0)
        sceneryLayer->addChildLast(makeProp(GameSupport::resource<Skin>("ladybug:0"), sceneX - 90.0f, 180.0f, 0.0f));
    for (int i = 0; i < 2; ++i)
        flowerLayer->addChildLast(makeFlower(sceneX + randomFraction() * 600.0f - 300.0f));

    CameraStatic* glide = new CameraStatic(sceneX, 0.0f, camera->position.z, true);
    glide->duration = 3.0;
    camera->addChildLast(glide);
}

void GameController::buildHouse()
{
    hud->hidePanel = false;
    challengeRound = houseIndex == housesInNeighbourhood - 1;
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
    const Camera::VisibleRect seen = Camera::getVisibleRectFrom(0.0f, spot.x, spot.y, spot.z);
    const float width = seen.right - seen.left;
    sceneryLayer->addChildLast(makeTree(seen.right + width / 2.0f));
    for (int i = 0; i < 3; ++i)
        flowerLayer->addChildLast(makeFlower(seen.right + 32.0f + (width - 64.0f) * randomFraction()));
    sceneryLayer->addChildLast(makeProp(GameSupport::resource<Skin>("pole:0"), seen.left + 125.0f, -165.0f, 1.7207963f));
    MenuButtonQuit* exit = new MenuButtonQuit(seen.left + 90.0f, 50.0f, 0.0f, "Exit", "");
    exit->setWidth(128);
    exit->confirmTitle = pKiv->pLanguage->getText(Language::CONFIRM);
    sceneryLayer->addChildLast(exit);

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

    if (!challengeRound) {
        beginPlay();
    } else {
        thermometer = 1.0f;
        showStatisticsPage = false;
        eagleEyeEarned = false;
        const int cells = sizeX * sizeY;
        drainSpeed = 1.0f / static_cast<float>(cells);
        effectLayer->addChildLast(
            makeArrow(challengeSmiley->position + V3(0.0f, 120.0f, 0.0f), ARROW_GREEN, "match this!", 4.0));
        hud->showVitamins = false;
        hud->showThermometer = true;
        hud->thermometerSlots = false;
        hud->startAlarmClock(static_cast<float>(cells) - 2.0f);
        hud->thermometerColour = UColor(64, 255, 0, 255);
        if (inGameMusic()) {
            music = GameSupport::resource<SoundStream>("musicHurry");
            pKiv->pAudio->setMusic(music);
        }
        showHelpOnce(&challengeTipShown,
                     "Find the matching smiley|as fast as possible!|~|There's only one solution|but hurry,|the clock "
                     "is ticking!",
                     "", GameSupport::resource<Skin>("help:8"));
    }

    BasicLinkIterator walk(smileyLayer);
    while (KivBase* smiley = walk.next())
        smiley->setState(1, static_cast<double>(randomFraction() * 0.3f));
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
        if (answer && !smiley->selected)
            effectLayer->addChildLast(
                makeArrow(smiley->position + V3(0.0f, 90.0f, 0.0f), ARROW_GREEN, "solution", 4.0));
    }
}

void GameController::nextHouse()
{
    if (!retryHouse) {
        ++housesPlayed;
        ++houseIndex;
        challengeRound = houseIndex == housesInNeighbourhood - 1;
    }
    retryHouse = false;
    if (houseIndex < housesInNeighbourhood) {
        showNeighbourhoodIntro = false;
        setState(STATE_HOUSE);
    } else if (neighbourhood + 1 < NEIGHBOURHOOD_COUNT) {
        houseIndex = 0;
        ++neighbourhood;
        showNeighbourhoodIntro = true;
        setState(STATE_STREET);
    } else {
        finishJourney();
    }
}

void GameController::closeGame()
{
    ProfileManager& roster = pGlobal->profileManager;
    roster.lastHighScorePosition = pGlobal->hst.insertHighScore(modeIndex, roster.getName(roster.current),
                                                                playerData->score, housesPlayed, difficulty, true);
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
    getMyGlobal()->pCurrentGame = this;
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
    if (state == STATE_PLAY)
        thermometer -= drainSpeed * static_cast<float>(step);
    thermometer = std::clamp(thermometer, 0.0f, 1.0f);
    hud->thermometerLevel = thermometer;
    if (state == STATE_PLAY && thermometer <= 0.0f) {
        endSound = GameSupport::resource<Sound>("lose");
        endCaption = "too slow!";
        setState(STATE_HOUSE_END);
    }
}

void GameController::generateSmileys(KivBase*)
{
}

void GameController::fillHouse(KivBase* list)
{
    const int cells = house->sizeX * house->sizeY;
    const V3 spot = house->getCameraPosition();
    const Camera::VisibleRect seen = Camera::getVisibleRectFrom(0.0f, spot.x, spot.y, spot.z);
    const float depthScale = scene->getCameraBlender()->getDepthScale(0.0f);

    generator->resetPools();
    challengeSmiley = generator->createSmiley();
    challengeSmiley->position = V3(seen.left + 90.0f * depthScale, (seen.top - seen.bottom) * 0.5f, 0.0f);
    challengeSmiley->addShadow();
    challengeSmiley->addCloud();
    challengeSmiley->updateVisuals();
    challengeSmiley->selectable = false;
    smileyLayer->addChildLast(challengeSmiley);

    for (int i = 0; i < cells; ++i) {
        generator->resetPools();
        if (i == 0)
            generator->avoidFeaturesOf(challengeSmiley);
        else
            generator->shareFeatureWith(challengeSmiley);
        list->addChildLast(generator->createSmiley());
    }
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
    switch (kind) {
    case 0:
        for (int attempt = 0; attempt < 100; ++attempt) {
            Smiley* drawn = findPlayableSmiley();
            if (!drawn)
                return false;
            BasicLinkIterator walk(smileyLayer);
            while (Smiley* partner = static_cast<Smiley*>(walk.next())) {
                if (partner->state != Smiley::STATE_PRESENT || !drawn->canMatch(partner, false))
                    continue;
                for (const Smiley* pointed : {drawn, partner})
                    effectLayer->addChildLast(
                        makeArrow(pointed->position + V3(0.0f, 80.0f, 0.0f), UColor(128, 192, 0, 255), "", 1.0));
                deselectAll();
                return true;
            }
        }
        return false;
    case 2: {
        Smiley* selected = getSelectedSmiley();
        if (!selected) {
            showDialog("Select a|smiley before using|this vitamin!", "", nullptr);
            return false;
        }
        int matched = 0;
        BasicLinkIterator walk(smileyLayer);
        while (Smiley* partner = static_cast<Smiley*>(walk.next())) {
            if (matched == 3)
                break;
            if (partner->state == Smiley::STATE_PRESENT && selected->canMatch(partner, false)) {
                onMatch(selected, partner);
                ++matched;
            }
        }
        return true;
    }
    case 3:
        if (playerData->multiplier != 1) {
            showDialog("|This vitamin|is already active!", "", nullptr);
            return false;
        }
        playerData->setMultiplier(2, 30.0);
        return true;
    case 8:
        thermometer += 0.25f;
        return true;
    case 9:
        thermometer += 0.5f;
        return true;
    case 11:
        playerData->addScore(250000, false);
        return true;
    case 13:
        playerData->addLives(1);
        return true;
    default:
        return false;
    }
}

void GameController::showHowToPlay()
{
    housesInNeighbourhood = neighbourhoodHouses[neighbourhood];
    featureFlags = neighbourhoodFeatures[neighbourhood];
    playerData->setMultiplier(1, 999999.0);
}

void GameController::beginNeighbourhood()
{
    int size = houseIndex;
    if (modeIndex == 2)
        size += neighbourhood / 2;
    if (challengeRound)
        size -= 1;
    sizeX = gridWidths[size];
    sizeY = gridHeights[size];
    if (!showNeighbourhoodIntro)
        return;
    std::string intro = NEIGHBOURHOOD_INTROS[neighbourhood];
    replaceAll(intro, "%s", neighbourhoodNames[neighbourhood]);
    showDialog(intro, "", GameSupport::resource<Skin>(formatString("help2:%d", neighbourhood)));
    pGlobal->pContextManager->pushContext(new ContextMap(neighbourhood - 1, neighbourhood));
}

void GameController::beginPlay()
{
}

void GameController::onSmileySelected(Smiley*)
{
}

void GameController::onChallengeAnswer(Smiley* smiley)
{
    smiley->selected = true;
    if (smiley->canMatch(challengeSmiley, true)) {
        matchBonusEarned = true;
        if (thermometer > 0.5f)
            extraBonusEarned = true;
        endCaption = "well done!";
        BasicLinkIterator walk(smileyLayer);
        while (Smiley* other = static_cast<Smiley*>(walk.next()))
            if (other != challengeSmiley && other->state == Smiley::STATE_PRESENT)
                other->dropCoin(coinChance);
        endSound = GameSupport::resource<Sound>("jingle04");
    } else {
        playSound("jingle06");
        endSound = GameSupport::resource<Sound>("lose");
        endCaption = "no bonus!";
    }
    setState(STATE_HOUSE_END);
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
    const SavedGame& record = savedGame();
    housesPlayed = record.housesPlayed;
    neighbourhood = record.neighbourhood;
    houseIndex = record.houseIndex;
    playerData->score = record.score;
    playerData->coins = record.coins;
    playerData->lives = record.lives;
    playerData->usedSlots = record.usedSlots;

    RenderableText* caption = new RenderableText(0.0f, -220.0f, 0.0f, "Game loaded!", pGlobal->pFontSmall, WHITE);
    caption->lifetime = 3.0;
    caption->fadeIn = 0.25;
    caption->fadeOut = 0.25;
    caption->bShadow = false;
    bonusLayer->addChildLast(caption);
}

void GameController::saveGame()
{
    SavedGame& record = savedGame();
    record.housesPlayed = housesPlayed;
    record.neighbourhood = neighbourhood;
    record.houseIndex = houseIndex;
    record.score = playerData->score;
    record.coins = playerData->coins;
    record.lives = playerData->lives;
    record.usedSlots = playerData->usedSlots;
    pGlobal->savePlayerFiles();
}

void GameController::clearSavedGame()
{
    ProfileManager& roster = pGlobal->profileManager;
    roster.profiles[roster.current].clearSavedGame(modeIndex);
}

void GameController::creditCoins(int n)
{
    coinsThisHouse += n;
    playerData->addCoins(n);
}

void GameController::cullScenery()
{
    const float left = scene->getCameraBlender()->getVisibleRect(0.0f).left;
    for (KivBase* layer : {sceneryLayer, flowerLayer}) {
        BasicLinkIterator walk(layer);
        while (KivBase* object = walk.next()) {
            const Renderable* prop = static_cast<Renderable*>(object);
            if (prop->boundsCentre.x + prop->boundsRadius < left)
                object->bDead = true;
        }
    }
    BasicLinkIterator houses(houseLayer);
    while (KivBase* object = houses.next()) {
        const House* built = static_cast<House*>(object);
        if (built->originX + static_cast<float>(built->sizeX * built->cellWidth) < left)
            object->bDead = true;
    }
}

int GameController::countPartners(Smiley* s) const
{
    int count = 0;
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* other = static_cast<Smiley*>(walk.next()))
        if (other->state != Smiley::STATE_LEAVING && s->canMatch(other, false))
            ++count;
    return count;
}

Smiley* GameController::findHardestSmiley(int* partners) const
{
    Smiley* hardest = nullptr;
    int fewest = 1000;
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next())) {
        if (smiley->state != Smiley::STATE_PRESENT || smiley->isClown)
            continue;
        const int count = countPartners(smiley);
        if (!hardest || count < fewest) {
            hardest = smiley;
            fewest = count;
        }
    }
    if (partners)
        *partners = fewest;
    return hardest;
}

bool GameController::anyMatchLeft() const
{
    for (BasicLink* later = smileyLayer->pFirstChild; later; later = later->pNext) {
        if (later->bDead || later->bDetached)
            continue;
        for (BasicLink* earlier = smileyLayer->pFirstChild; earlier != later; earlier = earlier->pNext)
            if (!earlier->bDead && !earlier->bDetached &&
                static_cast<Smiley*>(later)->canMatch(static_cast<Smiley*>(earlier), false))
                return true;
    }
    return false;
}

int GameController::countWaitingSmileys() const
{
    int count = 0;
    BasicLinkIterator walk(smileyLayer);
    while (KivBase* smiley = walk.next())
        if (smiley->state == Smiley::STATE_PRESENT)
            ++count;
    return count;
}

Smiley* GameController::getSelectedSmiley() const
{
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        if (smiley->selected)
            return smiley;
    return nullptr;
}

void GameController::deselectAll()
{
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        smiley->selected = false;
}

Smiley* GameController::getSmileyInApartment(const Apartment* apartment) const
{
    BasicLinkIterator walk(smileyLayer);
    while (Smiley* smiley = static_cast<Smiley*>(walk.next()))
        if (smiley->apartment == apartment)
            return smiley;
    return nullptr;
}

Smiley* GameController::findPlayableSmiley() const
{
    for (int draw = 0; draw < 100; ++draw) {
        KivBase* pick = static_cast<KivBase*>(smileyLayer->getRandomChild());
        if (!pick || pick->state == Smiley::STATE_PRESENT)
            return static_cast<Smiley*>(pick);
    }
    return nullptr;
}

void GameController::showDialog(const std::string& text, const std::string& title, Skin* picture)
{
    ContextDialogQX* dialog = new ContextDialogQX();
    dialog->overGame = true;
    dialog->separatorSkin = picture;
    dialog->title = title;
    dialog->text = text;
    dialog->build();
    pGlobal->pContextManager->pushContext(dialog);
    playSound("pop");
}

void GameController::showHelpOnce(bool* shownFlag, const std::string& text, const std::string& title, Skin* picture)
{
    if (!pGlobal->hst.bInGameHelp || *shownFlag)
        return;
    showDialog(text, title, picture);
    *shownFlag = true;
}

void GameController::playRandomVoice()
{
    if (std::rand() % 6 == 0)
        playSound(formatString("voice%d", std::rand() % 7));
}

void GameController::showStatistics()
{
    if (!showStatisticsPage)
        return;
    statsLayer->addChildLast(new EndLevelStat(0, "Points collected", playerData->score - scoreAtHouseStart));
    EndLevelStat* time = new EndLevelStat(1, "Time taken", static_cast<int>(houseEndTime - houseStartTime));
    time->format = "%d sec";
    statsLayer->addChildLast(time);
    statsLayer->addChildLast(new EndLevelStat(2, "Matches", matches));
    statsLayer->addChildLast(new EndLevelStat(3, "Mistakes", mistakes));
    if (matches > 0) {
        const float share = static_cast<float>(matches) / static_cast<float>(matches + mistakes);
        EndLevelStat* efficiency = new EndLevelStat(4, "Efficiency", static_cast<int>(share * 100.0));
        efficiency->format = "%d%%";
        statsLayer->addChildLast(efficiency);
    }
}

void GameController::awardHouseBonuses()
{
    struct Bonus {
        bool due;
        const char* name;
        int points;
        UColor colour;
    };
    const int n = neighbourhood + 1;
    const Bonus bonuses[] = {
        {clearBonusEarned, "clear bonus", 3000, UColor(255, 0, 128, 255)},
        {eagleEyeEarned, "eagle eye", 5000, UColor(0, 128, 255, 255)},
        {matchBonusEarned, "match bonus", 10000 * n, UColor(192, 255, 0, 255)},
        {extraBonusEarned, "extra bonus", 5000 * n, UColor(255, 255, 0, 255)},
    };
    std::vector<CircleScore*> popups;
    for (const Bonus& bonus : bonuses) {
        if (!bonus.due)
            continue;
        CircleScore* popup = new CircleScore(bonus.points, 1.0f + 0.5f * static_cast<float>(popups.size()));
        popup->addStar(bonus.colour, 1.0f);
        popup->addCircularText(bonus.name, bonus.colour, 40.0f, HALF_PI, 1);
        popup->addCircularText(Global::formatNumber(popup->points), bonus.colour, 40.0f, 3.0f * HALF_PI, -1);
        popups.push_back(popup);
    }
    const int count = static_cast<int>(popups.size());
    int x = ((1 - count) * 125) / 2;
    const float y = showStatisticsPage ? -140.0f : -40.0f;
    float frequency = 1.0f;
    for (CircleScore* popup : popups) {
        popup->position = V3(static_cast<float>(x), y, 0.0f);
        popup->updateVisuals();
        popup->displayTime = 3.0f;
        popup->soundFrequency = frequency;
        bonusLayer->addChildFirst(popup);
        x += 125;
        frequency *= 1.189331394875f;
    }
}

void GameController::checkChainBonus(Smiley* a, Smiley* b)
{
    Smiley* newest = static_cast<Smiley*>(static_cast<KivBase*>(matchHistory->pLastChild));
    int chain = 0;
    if (newest && !newest->isClown) {
        Smiley* link = a;
        for (Smiley* entry = newest;;) {
            if (!entry->canMatch(link, false))
                break;
            ++chain;
            Smiley* older = static_cast<Smiley*>(static_cast<KivBase*>(entry->pPrev));
            if (!older || older->isClown)
                break;
            link = entry;
            entry = older;
        }
    }
    if (chain >= 1) {
        const float blend = std::clamp(static_cast<float>(chain - 2) * 0.125f, 0.0f, 1.0f);
        const UColor colour(UColor(128, 0, 255, 255), UColor(240, 173, 255, 255), blend);
        playerData->addScore((difficulty + 1) * chain * 100, true);
        RenderableText* text =
            new RenderableText(b->boundsCentre.x, b->boundsCentre.y, b->boundsCentre.z,
                               formatString("chain \x81 %d", chain), GameSupport::resource<FontQuad>("fontBlackOutline2"), colour);
        text->bShadow = false;
        text->lifetime = 2.0;
        text->fadeIn = 0.25;
        text->fadeOut = 1.0;
        text->flags = 0x14;
        effectLayer->addChildLast(text);
        GameSupport::resource<Sound>("jingle02")->playPitched((chain - 2) / 2);
        b->dropCoin(coinChance);
    }
    while (matchHistory->getChildCount() > 8)
        static_cast<KivBase*>(matchHistory->pFirstChild)->deleteMe();
}

void GameController::showPenalty(const V3& at, int points)
{
    RenderableText* text = new RenderableText(at.x, at.y + 45.0f, at.z, formatString("%d", points),
                                              GameSupport::resource<FontQuad>("fontBlackOutline2"),
                                              UColor(192, 0, 0, 255));
    text->bShadow = false;
    text->lifetime = 3.0;
    text->fadeIn = 0.25;
    text->fadeOut = 1.0;
    text->flags = 0x14;
    effectLayer->addChildLast(text);
}

float GameController::risingHardness(float lastPerLevel) const
{
    const float level = static_cast<float>(difficulty);
    const float index = static_cast<float>(houseIndex);
    const float houses = static_cast<float>(housesInNeighbourhood);
    return 0.15f * level + (index / (houses - 2.0f)) * ((lastPerLevel * level + 0.5f) - 0.15f * level);
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
    if (!a->isClown || !b->isClown)
        return;
    CircleScore* popup = new CircleScore(25000, 0.0f);
    popup->addStar(UColor(192, 192, 192, 255), 1.0f);
    popup->addCircularText("circus bonus!", UColor(255, 0, 0, 255), 40.0f, HALF_PI, 1);
    popup->addCircularText(Global::formatNumber(popup->points), UColor(0, 0, 255, 255), 40.0f, 3.0f * HALF_PI, -1);
    popup->position = b->boundsCentre + V3(0.0f, 8.0f, 0.0f);
    popup->updateVisuals();
    popup->sound = GameSupport::resource<Sound>("jingle02");
    effectLayer->addChildLast(popup);
}
