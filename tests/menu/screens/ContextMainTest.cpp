#include "ScreenTestSupport.h"

#include "ContextCredits.h"
#include "ContextHighScores.h"
#include "ContextMain.h"
#include "MenuButtonURL.h"
#include "ContextNewUser.h"
#include "ContextOptions.h"
#include "MenuUserDisplay.h"
#include "RenderableText.h"

namespace {

using namespace screentest;

// The game's part of the main menu: its start button's hook.
class CountingMain : public ContextMain {
public:
    void onButtonStart() override { ++starts; }
    int starts = 0;
};

class ContextMainTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        addPlayers({"Ann"});
    }
};

TEST_F(ContextMainTest, ButtonsPushTheirScreensOrStartTheGameOverTheMenu)
{
    pGlobal->profileManager.lastHighScorePosition = pGlobal->hst.insertHighScore(2, "Ann", 55000, 0, 0, true);
    auto* menu = open(new CountingMain());
    expectPushes(menu, {
        // The high scores open on the table of the player's newest entry.
        {menu->pHighScoresButton,
         [](Context* shown) {
             auto* scores = dynamic_cast<ContextHighScores*>(shown);
             return scores && scores->table == 2;
         }},
        {menu->pOptionsButton, isA<ContextOptions>},
        {menu->pCreditsButton, isA<ContextCredits>},
    });
    EXPECT_EQ(menu->starts, 0);
    clickOn(menu->pStartButton);
    frame();
    EXPECT_EQ(menu->starts, 1) << "the start button calls the game's hook once";
    EXPECT_EQ(top(), menu);
}

TEST_F(ContextMainTest, QuitAsksFirstAndYesClosesTheMenu)
{
    auto* menu = open(new ContextMain());
    clickOn(menu->pQuitButton);
    answer(false);
    EXPECT_EQ(top(), menu);
    EXPECT_FALSE(menu->bFinished);
    clickOn(menu->pQuitButton);
    answer(true);
    EXPECT_TRUE(menu->bFinished);
}

// The button under the pointer when the intro ends: its hint and its
// question say, in the words of the other buttons that leave the program,
// that the game will close, and Yes closes it.
TEST_F(ContextMainTest, TheWebsiteQuestionSaysThatTheGameWillClose)
{
    const std::string warning = "Visit official website (the game will close)";
    auto* menu = open(new ContextMain());
    EXPECT_EQ(std::string(menu->pWebsiteButton->hint), warning);
    clickOn(menu->pWebsiteButton);
    auto* question = dynamic_cast<ContextDialog*>(top());
    ASSERT_NE(question, nullptr);
    std::vector<std::string> lines;
    for (const BasicLink* link = question->pFirstChild; link; link = link->pNext)
        if (const auto* line = dynamic_cast<const RenderableText*>(static_cast<const KivBase*>(link)))
            lines.push_back(line->text);
    EXPECT_EQ(lines, (std::vector<std::string>{"Website", warning, "Are you sure?"}));
    answer(true);
    EXPECT_TRUE(stack().bQuit);
}

TEST_F(ContextMainTest, WithoutPlayersTheNewPlayerScreenOpensAtOnce)
{
    clearRoster();
    auto* menu = open(new ContextMain());
    EXPECT_NE(dynamic_cast<ContextNewUser*>(top()), nullptr);
    frame();
    type(KEY_A, 'a');
    type(KEY_RETURN, 13);
    frame();
    EXPECT_EQ(top(), menu);
    EXPECT_EQ(pGlobal->profileManager.getCount(), 1);
    frame();
    EXPECT_EQ(menu->pUserDisplay->nameLine->text, "Hello, a!");
}

} // namespace
