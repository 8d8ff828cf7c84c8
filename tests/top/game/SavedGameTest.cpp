// The saved game of the quest mode as a player meets it at the start of a
// game: offered only when it can be continued, cleared when it cannot.
// (Continuing it is played through in the quest tests.)
#include "GameSession.h"

#include "GameControllerAdventure.h"
#include "RenderableText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace testsupport;

constexpr int QUEST = 1;

SavedGame& questRecord()
{
    ProfileManager& roster = pGlobal->profileManager;
    return roster.profiles[roster.current].savedGames[QUEST];
}

// Starts a quest game over the record and steps to the frame after the
// prompt would have come; the prompt, or null.
ContextDialogQX* promptFor(GameSession& session, const SavedGame& record)
{
    questRecord() = record;
    GameController* quest = session.start<GameControllerAdventure>();
    session.game.stepUntil([&] { return quest->state == 2; });
    session.game.step();
    ContextDialogQX* prompt = session.dialog();
    return prompt && prompt->title == "saved game" ? prompt : nullptr;
}

// Closes whatever lies over the game, then the game.
void leave(GameSession& session)
{
    for (Context* top = session.game.activeScreen(); top != session.controller; top = session.game.activeScreen()) {
        top->bFinished = true;
        session.game.step();
    }
    session.controller->bFinished = true;
    session.game.step();
}

TEST(SavedGame, OnlyARecordThatCanBeContinuedIsOfferedTheOthersAreCleared)
{
    GameHarness& game = GameHarness::get();
    GameSession session(game);
    const struct {
        const char* why;
        SavedGame record; // houses played, neighbourhood, house, score, coins, lives, used slots
        const char* offer;
    } rows[] = {
        {"third neighbourhood, fourth house", {11, 2, 3, 42000, 35, 1, 4}, "your journey at house 3-4?"},
        {"history of another house", {12, 2, 3, 42000, 35, 1, 4}, nullptr},
        {"house past its neighbourhood's", {13, 2, 5, 42000, 35, 1, 4}, nullptr},
        {"negative score", {11, 2, 3, -1, 35, 1, 4}, nullptr},
        {"no life left", {11, 2, 3, 42000, 35, 0, 4}, nullptr},
        {"every slot full", {11, 2, 3, 42000, 35, 1, 10}, nullptr},
    };
    for (const auto& row : rows) {
        ContextDialogQX* prompt = promptFor(session, row.record);
        EXPECT_EQ(prompt != nullptr, row.offer != nullptr) << row.why;
        if (prompt) {
            EXPECT_FALSE(prompt->closeButton) << "answered with its own buttons only";
            bool asked = false;
            for (BasicLink* link = prompt->pFirstChild; link; link = link->pNext)
                if (const RenderableText* line = dynamic_cast<RenderableText*>(static_cast<KivBase*>(link)))
                    asked = asked || line->text == row.offer;
            EXPECT_TRUE(asked) << row.why;
            pressKey(KEY_ESCAPE);
            game.step(2);
            EXPECT_EQ(session.dialog(), prompt) << "Escape does not close the prompt";
        }
        SavedGame expected = row.record;
        if (!row.offer)
            expected.housesPlayed = 0;
        EXPECT_EQ(0, std::memcmp(&questRecord(), &expected, sizeof(SavedGame))) << row.why;
        leave(session);
    }
}

}
