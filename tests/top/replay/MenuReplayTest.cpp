// Replays of the start and the menus: what the player sees and hears from the
// loader through the start-up screens (the first start asking for a player, the
// crash report offered after a fatal error, the choice of language in an
// edition of every language) and the intro to every menu screen and back, every
// switch and chooser changed and changed back, the display's mode changed and
// applied, the players, the high scores, the credits, the frame counter in play
// and the window's focus, compared with the stored records (see Replay.h).
#include "Replay.h"
#include "VirtualDisplay.h"

#include "ContextLanguageSelect.h"
#include "ErrorManager.h"
#include "KivHost.h"
#include "LanguageFlag.h"
#include "TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace testsupport;

// DirectInput codes of keys the plays press.
constexpr int KEY_I = 23;
constexpr int KEY_UP = 200;
constexpr int KEY_K = 37;
constexpr int KEY_DOWN = 208;
// The high scores choose their table with a chooser of no caption.
const std::string TABLE = "";
// A player's name holds at most 15 characters; this one is typed on past them.
const std::string LONG_NAME = "Bonaventura Quill";
const std::string KEPT_NAME = LONG_NAME.substr(0, 15);

// A first start: no roster yet.
void noPlayerYet(const std::string& dataFolder)
{
    std::filesystem::remove(dataFolder + "/" + APPLICATION_NAME + ".pro");
}

// What a fatal error in the previous run left: an engine made in a child
// process fails as a missing picture fails, and its error manager keeps
// the run's log as the crash log.
void leaveACrashLog(const std::string&)
{
    const pid_t child = fork();
    if (child == 0) {
        new Kiv(KivHost::desktop());
        KIV_ERROR("Could not find resource '%s'.", "hills:0");
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(std::filesystem::exists(ErrorManager::getCrashLogPath())) << "no crash log was left";
}

// The first start, from the first frame: the loading screen and its bar,
// the automatic configuration, the maker's logo fading in and out on white
// until it ends, the intro's first second (skipped with Escape), and the
// main menu asking at once for a name: OK refused while the name is empty,
// then the name typed and confirmed, and the menu greeting the new player.
TEST(Replay, FirstStartFromTheLoaderToTheNewPlayer)
{
    Replay play("first-start", 8, GameHarness::AT_LAUNCH, noPlayerYet);
    play.waitFor("ContextAutoConfigure").waitFor("ContextBFLogo").waitFor("ContextLogo").wait(1.0);
    play.press(KEY_ESCAPE).waitFor("ContextNewUser").wait(0.5).click("OK").type("Ann").press(KEY_RETURN);
    play.waitFor("MyContextMain").wait(1.0);
    play.check();
}

// The start after a fatal error: after the loader and the automatic
// configuration, the crash report is offered; its OK is refused until the
// network wizard has run (the pointer on it says so); Cancel removes the
// crash log and goes on to the maker's logo, skipped with Escape, and the
// intro.
TEST(Replay, CrashReportOfferedAtTheStartAfterAFatalError)
{
    Replay play("crash-offer", 9, GameHarness::AT_LAUNCH, leaveACrashLog);
    play.waitFor("ContextErrorReport").wait(0.5).pointAt("OK").wait(0.5).click("OK").click("Cancel");
    play.waitFor("ContextBFLogo").wait(0.5).press(KEY_ESCAPE).waitFor("ContextLogo").wait(0.5);
    if (std::filesystem::exists(ErrorManager::getCrashLogPath()))
        play.fail("the crash log was kept");
    play.check();
}

// A folder to run the game in: the generated game data, with an edition
// file of its own asking for every language.
void multilingualEdition(const std::string& folder)
{
    namespace fs = std::filesystem;
    const std::string edition = std::string(APPLICATION_NAME) + ".cfg.static";
    for (const auto& entry : fs::directory_iterator(KIV_BINARY_DIR "/data"))
        if (entry.path().filename() != edition)
            fs::create_symlink(entry.path(), folder + "/" + entry.path().filename().string());
    std::ofstream(folder + "/" + edition) << "[Language]\nbMultilanguage=Yes\n";
}

// The first start of an edition with every language: the loader stops at
// the choice of language, a flag for each; the pointer on a flag shows the
// language's name beside it, and a click on it chooses it: the loader goes
// on to the maker's logo, and the configuration written as the window
// closes keeps the choice.
TEST(Replay, LanguageChosenAtTheFirstStartOfAMultilingualEdition)
{
    const TemporaryFolder folder("kiv-edition");
    multilingualEdition(folder.path());
    Replay play("language-choice", 12, GameHarness::AT_LAUNCH, {}, folder.path());
    play.waitFor("ContextLanguageSelect").wait(0.5);
    if (const ContextLanguageSelect* choice = play.game.active<ContextLanguageSelect>()) {
        const LanguageFlag* flag = choice->flags.front();
        play.pointAt(flag->boundsCentre.x, flag->boundsCentre.y, choice).wait(0.5).click(flag);
    }
    play.waitFor("ContextBFLogo").wait(0.5).quit().waitForTheEnd();
    play.check();
}

TEST(Replay, IntroPlaysToTheMainMenu)
{
    Replay play("intro", 1, GameHarness::AT_INTRO);
    play.waitFor("MyContextMain", 90.0).wait(1.5);
    play.check();
}

// The second name is typed on past its limit: what shows is what the
// roster keeps.
TEST(Replay, PlayersAreAddedSwitchedAndDeleted)
{
    Replay play("players", 2);
    play.click("Hello, Tester!").waitFor("ContextUserManager");
    play.click("Add").waitFor("ContextNewUser").type("Anx").press(KEY_BACKSPACE).type("n").press(KEY_RETURN);
    play.waitFor("ContextUserManager").click("Add").waitFor("ContextNewUser").type(LONG_NAME).click("OK");
    if (!play.broken() && pGlobal->profileManager.getName(2) != KEPT_NAME)
        play.fail("the roster keeps \"" + std::string(pGlobal->profileManager.getName(2)) + "\"");
    play.waitFor("ContextUserManager").click("Add").waitFor("ContextNewUser").type("Cy").click("Cancel");
    play.waitFor("ContextUserManager").pointAt("Tester").wait(0.5).click("Tester").wait(0.5);
    play.click("Delete").waitFor("ContextDialog").click("Yes").waitFor("ContextUserManager").wait(0.5);
    play.click("Delete").waitFor("ContextDialog").click("No").waitFor("ContextUserManager");
    play.click(KEPT_NAME).wait(0.5).click("Back").waitFor("MyContextMain").wait(1.0);
    play.check();
}

TEST(Replay, EveryMainMenuButtonAndFinallyQuit)
{
    Replay play("main-menu", 3);
    play.click("Start Game").waitFor("ContextGametypes").wait(0.5).click("Back").waitFor("MyContextMain");
    play.click("High Scores").waitFor("ContextHighScores").wait(0.5).click("Back").waitFor("MyContextMain");
    // A sound and a display choice left changed, for the configuration
    // written at the end to show.
    play.click("Options...").waitFor("ContextOptions").wait(0.5).click("Sound").waitFor("ContextOptionsSound");
    play.previous("Sound quality").click("Back").waitFor("ContextOptions").click("Graphics");
    play.waitFor("ContextOptionsGraphics").click("Bilinear filtering").click("Back").waitFor("ContextOptions");
    play.click("Back").waitFor("MyContextMain");
    play.click("Credits").waitFor("ContextCredits").wait(3.0).press(KEY_ESCAPE).waitFor("MyContextMain");
    play.click("Hello, Tester!").waitFor("ContextUserManager").click("Back").waitFor("MyContextMain");
    play.click("Website").waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.press(KEY_ESCAPE).waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.click("Quit").waitFor("ContextDialog").click("No").waitFor("MyContextMain");
    play.click("Quit").waitFor("ContextDialog").click("Yes").waitForTheEnd();
    play.check();
}

// The credits rising from below the view until their last line has left
// it, and the main menu again.
TEST(Replay, CreditsScrollToTheirEnd)
{
    Replay play("credits", 10);
    play.click("Credits").waitFor("ContextCredits").waitFor("MyContextMain", 60.0).wait(1.0);
    play.check();
}

TEST(Replay, EveryOptionChangedAndChangedBack)
{
    Replay play("options", 4);
    play.click("Options...").waitFor("ContextOptions");
    play.click("Gameplay").waitFor("ContextOptionsGameplay");
    play.click("Allow cheats").click("Allow cheats").click("In-game help").click("In-game help");
    play.click("In-game help").click("Back").waitFor("ContextOptions");
    play.click("Graphics").waitFor("ContextOptionsGraphics");
    play.previous("Detail").next("Detail").next("Video mode").previous("Video mode");
    play.click("Full screen").click("Full screen").click("Vertical sync").click("Vertical sync");
    play.next("Maximum FPS").previous("Maximum FPS").click("Bilinear filtering").click("Bilinear filtering");
    play.click("Show FPS").click("Show FPS").previous("Detail").click("Back").waitFor("ContextOptions").wait(0.5);
    play.click("Graphics").waitFor("ContextOptionsGraphics").next("Detail").click("Back").waitFor("ContextOptions");
    play.click("Sound").waitFor("ContextOptionsSound");
    play.previous("Sound quality").next("Sound quality").previous("Sound volume").next("Sound volume");
    play.previous("Music volume").next("Music volume").click("In-game music").click("In-game music");
    play.previous("Music volume").click("Back").waitFor("ContextOptions");
    play.click("Controls").waitFor("ContextOptionsControls");
    play.pointAt("Up").press(KEY_I).pointAt("Down").press(KEY_K).pointAt("Up").press(KEY_UP);
    play.next("Mouse sensitivity").previous("Mouse sensitivity").click("Back").waitFor("ContextOptions");
    play.click("Player 2 controls...").waitFor("ContextOptionsControls2");
    play.pointAt("Fire").press(KEY_I).click("Back").waitFor("ContextOptions");
    play.click("Controls").waitFor("ContextOptionsControls").pointAt("Down").press(KEY_DOWN);
    play.click("Back").waitFor("ContextOptions");
    play.click("Help").waitFor("ContextHelp").wait(0.5).click("Back").waitFor("ContextOptions");
    play.click("Network wizard...").waitFor("ContextNetworkWizard").click("Run test on desktop");
    play.click("Run test on desktop").click("Next").wait(0.5).click("Next").next("Your country").click("Finish");
    play.waitFor("ContextOptions");
    play.click("Back").waitFor("MyContextMain").wait(0.5);
    play.check();
}

// A new video mode, then full screen on and off, each applied as the
// Graphics page closes, so that the display opens anew each time (its mode
// and viewport on the frame line after, every texture drawn from it filled
// again); then the Website question answered Yes: the program ends and the
// maker's address reaches the opener. Full screen takes the pointer and the
// keyboard of its X display for itself, so this play has a display of its own.
TEST(Replay, VideoModeAndFullScreenAppliedThenTheWebsiteOpened)
{
    // Kept to the end of the process: a play that stops early leaves the
    // game to end after the last test.
    static VirtualDisplay display;
    if (!display.ready())
        GTEST_FAIL() << "no X display of its own";
    setenv("DISPLAY", display.name().c_str(), 1);
    Replay play("display-modes", 11);
    play.click("Options...").waitFor("ContextOptions").click("Graphics").waitFor("ContextOptionsGraphics");
    play.next("Video mode").click("Back").waitFor("ContextOptions").wait(0.5);
    for (int i = 0; i < 2; ++i) {
        play.click("Graphics").waitFor("ContextOptionsGraphics").click("Full screen").click("Back");
        play.waitFor("ContextOptions").wait(0.5);
    }
    play.click("Back").waitFor("MyContextMain").click("Website").waitFor("ContextDialog").click("Yes");
    play.waitForTheEnd();
    play.check();
}

TEST(Replay, HighScoresTheirTablesAndOptionsUpToTheWorldWideScores)
{
    Replay play("high-scores", 5);
    play.click("High Scores").waitFor("ContextHighScores").wait(0.5);
    play.next(TABLE).next(TABLE).previous(TABLE).previous(TABLE);
    play.click("High score options...").waitFor("ContextHighScoreOptions");
    play.click("Reset scores").waitFor("ContextDialog").click("No").waitFor("ContextHighScoreOptions");
    play.click("Reset scores").waitFor("ContextDialog").click("Yes").waitFor("ContextHighScoreOptions");
    play.click("Upload scores").waitFor("ContextScoreUpload").wait(1.0).press(KEY_ESCAPE);
    play.waitFor("ContextHighScoreOptions").click("Back").waitFor("ContextHighScores");
    play.click("Back").waitFor("MyContextMain").click("High Scores").waitFor("ContextHighScores");
    play.click("High score options...").waitFor("ContextHighScoreOptions").click("World-wide scores");
    play.waitForTheEnd();
    play.check();
}

TEST(Replay, FrameCounterShownInPlay)
{
    Replay play("show-fps", 6);
    play.click("Options...").waitFor("ContextOptions").click("Gameplay").waitFor("ContextOptionsGameplay");
    play.click("In-game help").click("Back").waitFor("ContextOptions");
    play.click("Graphics").waitFor("ContextOptionsGraphics").click("Show FPS").click("Back").waitFor("ContextOptions");
    play.click("Back").waitFor("MyContextMain").click("Start Game").waitFor("ContextGametypes").click("Action");
    play.waitFor("ContextMap").wait(0.5).click(CROSS).waitFor("ContextDialogQX").click(CROSS);
    play.waitFor("GameControllerTimeTrial").wait(4.5);
    play.check();
}

TEST(Replay, FocusLostAndRegainedInAMenuAndInPlayThenTheWindowClosed)
{
    Replay play("focus", 7);
    play.wait(0.5).focusLost().wait(1.0).focusGained().wait(0.5);
    play.click("Start Game").waitFor("ContextGametypes").click("Action").waitFor("ContextDialogQX");
    play.click(CROSS).waitFor("ContextMap").click(CROSS).waitFor("ContextDialogQX").click(CROSS);
    play.waitForState(GameController::STATE_PLAY).wait(1.0).focusLost().wait(1.0).focusGained().wait(1.0);
    play.quit().waitForTheEnd();
    play.check();
}

} // namespace
