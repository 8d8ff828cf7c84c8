// Replays of the menus: what the player sees and hears from the intro to
// every menu screen and back, every switch and chooser changed and changed
// back, the players, the high scores, the frame counter in play and the
// window's focus, compared with the stored records (see Replay.h).
#include "Replay.h"

namespace {

using namespace testsupport;

TEST(Replay, EveryMainMenuButtonAndFinallyQuit)
{
    Replay play("main-menu", 3);
    play.click("Start Game").waitFor("ContextGametypes").wait(0.5).click("Back").waitFor("MyContextMain");
    play.click("High Scores").waitFor("ContextHighScores").wait(0.5).click("Back").waitFor("MyContextMain");
    play.click("Options...").waitFor("ContextOptions").wait(0.5).click("Back").waitFor("MyContextMain");
    play.click("Credits").waitFor("ContextCredits").wait(3.0).press(KEY_ESCAPE).waitFor("MyContextMain");
    play.click("Hello, Tester!").waitFor("ContextUserManager").click("Back").waitFor("MyContextMain");
    play.click("Website").waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.press(KEY_ESCAPE).waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.click("Quit").waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.click("Quit").waitFor("ContextDialog").click("Yes").waitForTheEnd();
    play.check();
}

} // namespace
