#include "GameController.h"

GameController::GameController() = default;

GameController::~GameController() = default;

void GameController::loadGame()
{
}
