#pragma once
// Reach: what the soak test's random player got to, watched after every
// frame: the screens that came on top, the games started in each mode, the
// houses played and ended, the furthest neighbourhood and the vitamins
// bought. It reports them at the end of a run and says what a run of the
// full length failed to reach.
// Owned by the soak test; main thread only.
#include "GameController.h"
#include "GameHarness.h"
#include "House.h"
#include "PlayerData.h"
#include "Reference.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <map>
#include <string>
#include <typeinfo>

namespace soaktest {

class Reach {
public:
    void observe(const testsupport::GameHarness& game)
    {
        Context* screen = game.activeScreen();
        if (screen && screen != lastScreen.get()) {
            lastScreen.set(screen);
            ++screens[className(screen)];
        }
        GameController* controller = game.currentGame();
        if (controller != currentGame.get()) {
            currentGame.set(controller);
            if (controller) {
                ++games[controller->modeIndex];
                lastCoins = controller->playerData->coins;
            }
        }
        if (!controller)
            return;
        // Coins go only to vitamins.
        vitaminsBought += controller->playerData->coins < lastCoins;
        lastCoins = controller->playerData->coins;
        const int state = controller->state;
        if (state == GameController::STATE_PLAY && controller->house != playedHouse.get()) {
            playedHouse.set(controller->house);
            ++housesPlayed;
            furthestNeighbourhood = std::max(furthestNeighbourhood, controller->neighbourhood + 1);
        }
        if (state == GameController::STATE_HOUSE_END && lastState != GameController::STATE_HOUSE_END)
            ++housesEnded;
        lastState = state;
    }

    std::string report() const
    {
        std::string text = "games started: action " + std::to_string(games[0]) + ", quest " +
                           std::to_string(games[1]) + ", puzzle " + std::to_string(games[2]) + "; houses played " +
                           std::to_string(housesPlayed) + ", ended " + std::to_string(housesEnded) +
                           "; furthest neighbourhood " + std::to_string(furthestNeighbourhood) + "; vitamins bought " +
                           std::to_string(vitaminsBought) + "\nscreens shown:";
        for (const auto& [name, times] : screens)
            text += " " + name + " " + std::to_string(times);
        return text;
    }

    // What a run of the full length must have reached to have soaked the
    // game; empty when it did.
    std::string shortfall() const
    {
        static const char* const modes[] = {"action", "quest", "puzzle"};
        for (int mode = 0; mode < 3; ++mode)
            if (games[mode] == 0)
                return std::string("the player started no ") + modes[mode] + " game";
        return housesEnded == 0 ? "the player ended no house" : "";
    }

    int games[3] = {};
    // Houses in which play began, and houses that reached their end.
    int housesPlayed = 0;
    int housesEnded = 0;
    int furthestNeighbourhood = 0;
    int vitaminsBought = 0;
    // Times each screen came on top, by class.
    std::map<std::string, int> screens;

private:
    static std::string className(const KivBase* object)
    {
        int status = 0;
        char* name = abi::__cxa_demangle(typeid(*object).name(), nullptr, nullptr, &status);
        std::string result = status == 0 ? name : typeid(*object).name();
        std::free(name);
        return result;
    }

    Reference lastScreen;
    Reference currentGame;
    Reference playedHouse;
    int lastState = -1;
    int lastCoins = 0;
};

} // namespace soaktest
