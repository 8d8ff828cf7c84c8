#include "game/HouseEndShow.h"

#include "Context.h"
#include "Global.h"
#include "board/PlayerData.h"
#include "effects/CircleScore.h"
#include "effects/EndLevelStat.h"
#include "game/GameController.h"
#include "rules/HouseStatistics.h"
#include "rules/Scoring.h"

#include <vector>

namespace {

constexpr float HALF_PI = 1.5707964f;

// By Scoring::HouseBonusKind.
const UColor BONUS_COLOURS[] = {
    UColor(255, 0, 128, 255), // clear bonus
    UColor(0, 128, 255, 255), // eagle eye
    UColor(192, 255, 0, 255), // match bonus
    UColor(255, 255, 0, 255), // extra bonus
};

}

HouseEndShow::HouseEndShow(GameController& owner) : game(owner)
{
}

void HouseEndShow::showStatistics()
{
    if (!game.showStatisticsPage)
        return;
    const HouseStatistics numbers = HouseStatistics::of(game.playerData->score, game.scoreAtHouseStart,
                                                        game.houseStartTime, game.houseEndTime, game.matches,
                                                        game.mistakes);
    KivBase* lines = game.statsLayer;
    lines->addChildLast(new EndLevelStat(0, "Points collected", numbers.points));
    EndLevelStat* time = new EndLevelStat(1, "Time taken", numbers.seconds);
    time->format = "%d sec";
    lines->addChildLast(time);
    lines->addChildLast(new EndLevelStat(2, "Matches", numbers.matches));
    lines->addChildLast(new EndLevelStat(3, "Mistakes", numbers.mistakes));
    if (numbers.hasEfficiency) {
        EndLevelStat* efficiency = new EndLevelStat(4, "Efficiency", numbers.efficiency);
        efficiency->format = "%d%%";
        lines->addChildLast(efficiency);
    }
}

void HouseEndShow::awardHouseBonuses()
{
    const std::vector<Scoring::HouseBonus> due = Scoring::houseBonuses(
        {game.clearBonusEarned, game.eagleEyeEarned, game.matchBonusEarned, game.extraBonusEarned},
        game.neighbourhood);
    const int count = static_cast<int>(due.size());
    const float y = game.showStatisticsPage ? -140.0f : -40.0f;
    float frequency = 1.0f;
    for (int k = 0; k < count; ++k) {
        const UColor colour = BONUS_COLOURS[due[k].kind];
        CircleScore* popup = new CircleScore(&game, due[k].points, Scoring::bonusDelay(k));
        popup->addStar(colour, 1.0f);
        popup->addCircularText(due[k].name, colour, 40.0f, HALF_PI, 1);
        popup->addCircularText(Global::formatNumber(popup->points), colour, 40.0f, 3.0f * HALF_PI, -1);
        popup->position = V3(static_cast<float>(Scoring::bonusRowX(count, k)), y, 0.0f);
        popup->updateVisuals();
        popup->moveIntoView(*game.overlay->pCamera);
        popup->displayTime = 3.0f;
        popup->soundFrequency = frequency;
        game.bonusLayer->addChildFirst(popup);
        frequency *= Scoring::BONUS_PITCH_STEP;
    }
}
