#include "game/HouseTimers.h"

#include "Skin.h"
#include "board/Smiley.h"
#include "effects/GameSupport.h"
#include "game/GameController.h"
#include "rules/StandardRandom.h"

namespace {

// Multiplier bubbles are numbered FEWEST_TIMES .. FEWEST_TIMES + NUMBERS - 1.
constexpr int FEWEST_TIMES = 2;
constexpr int NUMBERS = 4;

// A random interval between low and high seconds, summed in single precision.
double drawInterval(double low, double high)
{
    const float u = static_cast<float>(GameSupport::randomFraction());
    return static_cast<double>(static_cast<float>(low) + u * (static_cast<float>(high) - static_cast<float>(low)));
}

}

HouseTimers::HouseTimers(GameController& owner) : game(owner)
{
}

void HouseTimers::tick(double t)
{
    if (game.nextImpatience < t) {
        if (game.nextImpatience > 0.0) {
            Smiley* smiley = game.findPlayableSmiley();
            if (smiley && !game.challengeRound && !smiley->isClown && !smiley->holdingBreath &&
                game.countPartners(smiley) > 0) {
                smiley->holdBreath(game.breathHoldTime);
                game.showHelpOnce(&game.impatienceTipShown,
                                  "One of the smileys|is getting impatient|and is holding its breath!|~|Find its "
                                  "match|before time runs out!",
                                  "", GameSupport::resource<Skin>("help:4"));
            }
        }
        game.nextImpatience = t + drawInterval(game.impatienceMin, game.impatienceMax);
    }
    if (game.nextBubble < t) {
        if (game.nextBubble > 0.0) {
            Smiley* smiley = game.findPlayableSmiley();
            if (smiley && !game.challengeRound && !smiley->isClown)
                smiley->showMultiplierBubble(StandardRandom::shared().below(NUMBERS) + FEWEST_TIMES, game.bubbleTime);
        }
        game.nextBubble = t + drawInterval(game.bubbleMin, game.bubbleMax);
    }
}
