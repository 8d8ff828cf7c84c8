#include "GameController.h"

#include "Background.h"
#include "ContextBlender.h"
#include "Global.h"
#include "PlayerData.h"
#include "PlayerHUD.h"
#include "RenderableText.h"
#include "Smiley2ndRender.h"
#include "SmileyGenerator.h"

#include <algorithm>

namespace {

KivBase* addLayer(KivBase* parent)
{
    KivBase* layer = new KivBase();
    parent->addChildLast(layer);
    return layer;
}

}

GameController::GameController()
    : difficulty(std::clamp(pGlobal->hst.startingLevel, 0, HSTdata::MAX_STARTING_LEVEL))
{
    bDeleteWhenFinished = true;
    bConfirmBeforeClose = true;

    matchHistory = new KivBase();

    scene = new ContextBlender();
    addChildLast(scene);
    scene->addChildLast(new Background(Background::LAYER_SKY));
    sceneryLayer = addLayer(scene);
    scene->addChildLast(new Background(Background::LAYER_GRASS));
    houseBackLayer = addLayer(scene);
    smileyLayer = addLayer(scene);
    houseLayer = addLayer(scene);
    coinLayer = addLayer(scene);
    scene->addChildLast(new Background(Background::LAYER_GROUND));
    scene->addChildLast(new Smiley2ndRender(smileyLayer));
    flowerLayer = addLayer(scene);
    effectLayer = addLayer(scene);

    overlay = new Context();
    addChildLast(overlay);
    hud = new PlayerHUD();
    overlay->addChildLast(hud);

    playerData = new PlayerData(0);
    scene->addChildLast(playerData);

    captionText = new RenderableText(0.0f, 100.0f, 0.0f, "", pGlobal->pFontLarge, UColor(255, 255, 255, 255));
    captionText->fadeIn = 0.25;
    captionText->fadeOut = 0.25;
    captionText->bDieWhenDone = false;
    overlay->addChildLast(captionText);
    statsLayer = addLayer(overlay);
    bonusLayer = addLayer(overlay);

    generator = new SmileyGenerator();
}

GameController::~GameController()
{
    delete matchHistory;
    delete generator;
    if (pGlobal)
        pGlobal->profileManager.lastHighScorePosition = -1;
}

void GameController::deactivate(bool)
{
}

void GameController::tickContents(double time, double step)
{
    Context::tickContents(time, step);
}

void GameController::onStateChange()
{
}

void GameController::startGame()
{
}

void GameController::updateGame(double, double)
{
}

void GameController::onTimeOut(double, double)
{
}

void GameController::generateSmileys(KivBase*)
{
}

void GameController::fillHouse(KivBase*)
{
}

void GameController::placeSmileys(KivBase*)
{
}

void GameController::onSmileyClicked(Smiley*)
{
}

bool GameController::useVitamin(int)
{
    return false;
}

void GameController::showHowToPlay()
{
}

void GameController::beginNeighbourhood()
{
}

void GameController::beginPlay()
{
}

void GameController::onSmileySelected(Smiley*)
{
}

void GameController::onChallengeAnswer(Smiley*)
{
}

void GameController::onMatch(Smiley*, Smiley*)
{
}

void GameController::onMistake(Smiley*, Smiley*)
{
}

void GameController::onSmileyBreathOut(Smiley*)
{
}

void GameController::loadGame()
{
}

void GameController::saveGame()
{
}

void GameController::clearSavedGame()
{
}

void GameController::creditCoins(int n)
{
    coinsThisHouse += n;
    playerData->addCoins(n);
}

void GameController::cullScenery()
{
}

int GameController::countPartners(Smiley*) const
{
    return 0;
}

Smiley* GameController::findHardestSmiley(int* partners) const
{
    if (partners)
        *partners = 1000;
    return nullptr;
}

bool GameController::anyMatchLeft() const
{
    return false;
}

int GameController::countWaitingSmileys() const
{
    return 0;
}

Smiley* GameController::getSelectedSmiley() const
{
    return nullptr;
}

void GameController::deselectAll()
{
}

Smiley* GameController::getSmileyInApartment(const Apartment*) const
{
    return nullptr;
}

Smiley* GameController::findPlayableSmiley() const
{
    return nullptr;
}

void GameController::showDialog(const std::string&, const std::string&, Skin*)
{
}

void GameController::showHelpOnce(bool*, const std::string&, const std::string&, Skin*)
{
}

void GameController::playRandomVoice()
{
}

void GameController::showStatistics()
{
}

void GameController::awardHouseBonuses()
{
}

void GameController::checkChainBonus(Smiley*, Smiley*)
{
}

void GameController::checkCircusBonus(Smiley*, Smiley*)
{
}
