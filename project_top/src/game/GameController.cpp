#include "GameController.h"

GameController::GameController() = default;

GameController::~GameController() = default;

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

void GameController::creditCoins(int)
{
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
