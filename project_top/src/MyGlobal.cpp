#include "MyGlobal.h"

#include "ContextManager.h"
#include "Loader.h"
#include "MyContextMain.h"
#include "board/Solution.h"
#include "board/SolutionData.h"
#include "game/GameController.h"
#include "scenes/ContextEnding.h"
#include "scenes/ContextLogo.h"

namespace {

struct GridSize {
    int width;
    int height;
};

const GridSize SOLUTION_SIZES[] = {{3, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 5}, {5, 6}, {6, 6}, {6, 7}, {7, 7}};

}

MyGlobal::MyGlobal() = default;

MyGlobal::~MyGlobal()
{
    if (pCurrentGame) {
        // Closed in the middle of a game: the controller is still a screen
        // on the stack; it leaves the stack before it goes, so the stack
        // never holds a deleted screen.
        if (pContextManager && pCurrentGame->getParent() == pContextManager)
            pContextManager->removeChild(pCurrentGame);
        GameController* game = pCurrentGame;
        pCurrentGame = nullptr;
        delete game;
    }
    for (auto& level : solutions)
        for (Solution*& solution : level) {
            delete solution;
            solution = nullptr;
        }
}

void MyGlobal::initGame()
{
    for (const GridSize& size : SOLUTION_SIZES)
        registerResource(formatString("solution%dx%d", size.width, size.height),
                         new SolutionData(size.width, size.height,
                                          formatString("solutions/solution-%dx%d.dat", size.width, size.height)));
    pContextManager->pushContext(new MyContextMain());
    pContextManager->pushContext(new ContextLogo(*pIntroRandom));
}

void MyGlobal::setCurrentGame(GameController* game)
{
    pCurrentGame = game;
}

GameController* MyGlobal::currentGame() const
{
    return pCurrentGame;
}

Solution*& MyGlobal::storedSolution(int level, int house)
{
    return solutions[level][house];
}

void MyGlobal::pushEnding()
{
    pContextManager->pushContext(new ContextEnding());
}

MyGlobal* getMyGlobal()
{
    return static_cast<MyGlobal*>(pGlobal);
}
