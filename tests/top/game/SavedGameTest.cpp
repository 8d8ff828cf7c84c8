// The saved game of the quest mode as a player meets it: offered at the
// start of a game only when it can be continued, cleared when it cannot,
// and continued into the same house with the same score and slots.
#include "GameSession.h"

#include "GameControllerAdventure.h"
#include "MenuButtonLoadGame.h"
#include "PlayerData.h"
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

template <typename T>
T* childOf(const KivBase* parent)
{
    for (BasicLink* link = parent->pFirstChild; link; link = link->pNext)
        if (T* found = dynamic_cast<T*>(static_cast<KivBase*>(link)))
            return found;
    return nullptr;
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

TEST(SavedGame, ContinueLoadsTheRecordUnmultipliedWhileTheGameStaysCurrent)
{
    GameHarness& game = GameHarness::get();
    GameSession session(game);
    const SavedGame record = {11, 2, 3, 42000, 35, 1, 4};
    ContextDialogQX* prompt = promptFor(session, record);
    ASSERT_NE(prompt, nullptr);
    GameController* quest = session.controller;
    EXPECT_EQ(getMyGlobal()->pCurrentGame, quest) << "covered by its prompt, the game is still the current one";
    quest->playerData->setMultiplier(2, 30.0);

    clickOn(childOf<MenuButtonLoadGame>(prompt));
    game.step(2);
    EXPECT_EQ(game.activeScreen(), quest);
    EXPECT_EQ(quest->housesPlayed, 11);
    EXPECT_EQ(quest->neighbourhood, 2);
    EXPECT_EQ(quest->houseIndex, 3);
    EXPECT_EQ(quest->playerData->score, 42000);
    EXPECT_EQ(quest->playerData->coins, 35);
    EXPECT_EQ(quest->playerData->usedSlots, 4);
    const RenderableText* caption = childOf<RenderableText>(quest->bonusLayer);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text, "Game loaded!");

    game.recorder.bRecording = true;
    leave(session);
    EXPECT_EQ(getMyGlobal()->pCurrentGame, nullptr);
    EXPECT_EQ(game.recorder.frames.back().music, "musicMenu");
}

}
