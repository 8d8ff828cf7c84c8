#pragma once
// HouseEnds: what a player sees of each house's end in a game played through
// a GameSession, gathered frame by frame through the recorder's observer
// (which it takes over): how long the house was played by the game's clock,
// from the frame play began to the frame the house ended; the statistics
// page's lines as they read once counted; and the points of the bonus popups
// put up and the height of their row. One record per statistics page. It
// must outlive the frames it watches. Main thread only.
#include "GameSession.h"

#include "effects/CircleScore.h"
#include "effects/EndLevelStat.h"

namespace testsupport {

struct HouseEnd {
    double played = 0.0;
    // "label number", the number in the line's format.
    std::vector<std::string> lines;
    // The "Time taken" line's number.
    int seconds = -1;
    // Ascending.
    std::vector<int> bonuses;
    // The y of the popups' row, view units; 0 without a popup.
    float bonusRowY = 0.0f;
};

class HouseEnds {
public:
    explicit HouseEnds(GameSession& watched) : session(watched)
    {
        session.game.recorder.observer = [this](const FrameRecord&) { look(); };
    }

    std::vector<HouseEnd> houses;

private:
    void look()
    {
        const GameController* game = session.controller;
        if (!game || session.game.currentGame() != game || game->timeInState != 0.0)
            return;
        if (game->state == GameController::STATE_PLAY)
            began = game->t;
        if (game->state == GameController::STATE_HOUSE_END)
            ended = game->t;
        if (game->state != GameController::STATE_STATISTICS)
            return;
        HouseEnd end;
        end.played = ended - began;
        for (const EndLevelStat* line : childrenOf<EndLevelStat>(game->statsLayer)) {
            end.lines.push_back(line->labelText->text + " " + formatString(line->format.c_str(), line->value));
            if (line->labelText->text == "Time taken")
                end.seconds = line->value;
        }
        for (const CircleScore* popup : childrenOf<CircleScore>(game->bonusLayer))
            if (popup->state == 0) {
                end.bonuses.push_back(popup->points);
                end.bonusRowY = popup->position.y;
            }
        std::sort(end.bonuses.begin(), end.bonuses.end());
        houses.push_back(end);
    }

    GameSession& session;
    double began = 0.0;
    double ended = 0.0;
};

} // namespace testsupport
