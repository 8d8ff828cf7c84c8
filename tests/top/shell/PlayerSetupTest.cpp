// The game on a player's own set-up rather than the tests': full screen on
// a display larger than its 640 x 480 view, with options other than the
// defaults, set where a player's choices are kept (the configuration's
// display mode, the settings block), one row a set-up, each played through
// the program's own loop pass in a house of one kind. Every row reads: the
// log of the display's start, as the graphics start words it; what the
// display shows, read from the X server, and the screenshot the program
// writes, both at the display's size, with a picture of the test's own in
// two corners of the view exactly where the view's scaling puts it; the
// program's pointer, moved at the row's mouse sensitivity into every corner
// of the view (held there, never past it) and back in by the step the
// sensitivity's speed gives; the sound as it leaves the mixer, each channel
// at the row's music or sound volume; and the in-game help of that kind of
// house, shown only with the setting on. And a start that fails on such a
// set-up: a display without OpenGL ends the program, the report on the
// terminal and the same report, after the lines of the mode it asked for,
// in the log, which is kept as the crash log.
#include "GameSession.h"
#include "MixedSound.h"
#include "TestName.h"
#include "VirtualDisplay.h"

#include "MousePointer.h"
#include "Texture.h"
#include "effects/ArrowMessage.h"

#include <filesystem>

// Xlib's macros come after every other header.
#include "ShownWindow.h"

namespace {

using namespace testsupport;

enum House { QUEST, PUZZLE, ACTION, CHALLENGE_ROUND };

struct PlayerChoices {
    const char* what;
    // The display's size; the game asks for the largest mode its options
    // offer, 1024 x 768 full screen, and gets the display's.
    int width, height;
    House house;
    // The options: 0..4, and 0..24 for the volumes.
    int sensitivity;
    int soundVolume, musicVolume;
    bool bInGameMusic, bHelp;
};

const PlayerChoices SETUPS[] = {
    {"quest without help, slowest mouse, quiet music", 1024, 768, QUEST, 0, 24, 6, true, false},
    {"quest with help, fast mouse, no sounds", 1280, 1024, QUEST, 3, 0, 24, true, true},
    {"puzzle with help, slow mouse, silent music", 1024, 768, PUZZLE, 1, 6, 0, true, true},
    {"puzzle without help, fastest mouse, no in-game music", 1280, 1024, PUZZLE, 4, 12, 15, false, false},
    {"action with help, middle mouse, no in-game music", 1024, 768, ACTION, 2, 24, 12, false, true},
    {"action without help, fastest mouse, quiet sounds and music", 1024, 768, ACTION, 4, 3, 6, true, false},
    {"challenge round with help, slowest mouse", 1280, 1024, CHALLENGE_ROUND, 0, 12, 6, true, true},
    {"challenge round without help, middle mouse, no sounds, no in-game music", 1024, 768, CHALLENGE_ROUND, 2, 0,
     18, false, false},
};

// What a player's earlier run left: full screen at the options' largest
// mode, and the row's options.
const char* const FULL_SCREEN = "[KivGraphics]\nbFullScreen=Yes\nscreenWidth=1024\nscreenHeight=768\n";

void leaveThePlayersChoices(const std::string& dataFolder, const PlayerChoices& row)
{
    writeWholeFile(dataFolder + "/" + APPLICATION_NAME + ".cfg", FULL_SCREEN);
    HSTdata settings;
    settings.resolution = HSTdata::MAX_RESOLUTION;
    settings.bFullScreen = true;
    settings.bBilinearFilter = false;
    settings.mouseSensitivity = row.sensitivity;
    settings.soundVolume = row.soundVolume;
    settings.musicVolume = row.musicVolume;
    settings.bInGameMusic = row.bInGameMusic;
    settings.bInGameHelp = row.bHelp;
    FileManager().savePackedFile(dataFolder, HSTdata::getFileName(), APPLICATION_VERSION, &settings,
                                 HSTdata::FILE_SIZE);
}

// The quest's record at the challenge round of "Easy Street".
const SavedGame AT_CHALLENGE{3, 0, 3, 30000, 40, 1, 2};

// How each kind of house's help begins.
const std::map<House, std::string> HELP = {
    {QUEST, "Match all smileys in the house."},
    {PUZZLE, "Solve each puzzle by connecting"},
    {ACTION, "Match pairs of smileys until"},
    {CHALLENGE_ROUND, "Find the matching smiley"},
};

// A picture of the test's own: 2 x 2 texels of four colours, each texel
// 40 x 30 view units, drawn at the view's top-left and bottom-right corners.
const UColor TEXELS[2][2] = {{UColor(255, 0, 0, 255), UColor(0, 255, 0, 255)},
                             {UColor(0, 0, 255, 255), UColor(255, 255, 0, 255)}};
constexpr float TEXEL_WIDTH = 40.0f, TEXEL_HEIGHT = 30.0f;
// Each corner's left and top edge, in view units from the view's left and
// top.
const float CORNERS[2][2] = {{0.0f, 0.0f}, {640.0f - 2 * TEXEL_WIDTH, 480.0f - 2 * TEXEL_HEIGHT}};

// Every pixel of each texel of the picture in both corners, in an image of
// the whole display that the view's 640 x 480 units span, shows the
// texel's colour; the inset pixels along each texel's edges are not read.
::testing::AssertionResult showsThePicture(const MemoryImageFile& image, int inset, int tolerance,
                                           ChannelTolerance channels = {})
{
    const float x = image.width / 640.0f, y = image.height / 480.0f;
    for (const auto& corner : CORNERS)
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const int left = static_cast<int>((corner[0] + column * TEXEL_WIDTH) * x) + inset;
                const int top = static_cast<int>((corner[1] + row * TEXEL_HEIGHT) * y) + inset;
                const int right = static_cast<int>((corner[0] + (column + 1) * TEXEL_WIDTH) * x) - inset;
                const int bottom = static_cast<int>((corner[1] + (row + 1) * TEXEL_HEIGHT) * y) - inset;
                const ::testing::AssertionResult shown = everyIndex(
                    static_cast<size_t>((right - left) * (bottom - top)),
                    [&](size_t i) {
                        const int px = left + static_cast<int>(i) % (right - left);
                        const int py = top + static_cast<int>(i) / (right - left);
                        ::testing::AssertionResult same =
                            sameColor(TEXELS[row][column], pixelAt(image, px, py), tolerance, channels);
                        return same << " at " << px << ", " << py;
                    },
                    1);
                if (!shown)
                    return shown;
            }
    return ::testing::AssertionSuccess();
}

// The picture drawn over the game on a stage of the test's own, the pointer
// parked in the middle of the view; then the frame drawn with Print Screen
// pressed, and what the display shows and what the screenshot holds read.
void expectThePictureShownAndSaved(GameHarness& game, const PlayerChoices& row)
{
    MemoryImageFile image(2, 2);
    for (int i = 0; i < 4; ++i)
        std::memcpy(image.pImageData + 4 * i, &TEXELS[i / 2][i % 2], 4);
    const std::unique_ptr<Texture> texture(new Texture(&image));
    Context* stage = game.pushStage();
    for (const auto& corner : CORNERS) {
        Renderable* picture = new Renderable();
        picture->pSkin = texture->skins.front();
        picture->scale = V3(TEXEL_WIDTH, TEXEL_HEIGHT, 1.0f);
        picture->position = V3(corner[0] + TEXEL_WIDTH - 320.0f, 240.0f - corner[1] - TEXEL_HEIGHT, 0.0f);
        picture->updateVisuals();
        stage->addChildLast(picture);
    }
    game.stepped.bDraw = true;
    pressKey(KEY_PRINT_SCREEN);
    game.step();
    game.stepped.bDraw = false;
    const ShownWindow window;
    ASSERT_TRUE(window.ready()) << "no X window of SDL's";
    const std::unique_ptr<MemoryImageFile> shown = window.read();
    ASSERT_NE(shown, nullptr) << "the window could not be read";
    EXPECT_EQ(shown->width, row.width);
    EXPECT_EQ(shown->height, row.height);
    EXPECT_TRUE(showsThePicture(*shown, 0, 0, window.tolerance())) << "on the display";

    const std::string shot = readWholeFile(game.dataFolder + "/" + APPLICATION_NAME + "-0001.jpg");
    MemoryImageFile saved(1, 1);
    UString error;
    ASSERT_TRUE(saved.decodeJPG(reinterpret_cast<const unsigned char*>(shot.data()), shot.size(), false, error))
        << "no screenshot: " << error;
    EXPECT_EQ(saved.width, row.width);
    EXPECT_EQ(saved.height, row.height);
    // A JPEG of quality 60 blurs the edges between the texels.
    if (saved.width == row.width && saved.height == row.height) {
        EXPECT_TRUE(showsThePicture(saved, 8, 40)) << "in the screenshot";
    }
    stage->bFinished = true;
    game.step();
}

// The pointer where the view point (units from the view's left and bottom
// edges) lies, as the input keeps it and as the game draws it (the screen
// stack's pointer, in the world of a default camera).
::testing::AssertionResult pointerAt(GameHarness& game, float x, float y)
{
    const KivInput& input = *pKiv->pInput;
    const V3 drawn = game.stack()->pMousePointer->position;
    if (input.mouseX == x && input.mouseY == y && drawn.x == x - 320.0f && drawn.y == y - 240.0f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << x << ", " << y << " got " << input.mouseX << ", "
                                         << input.mouseY << ", drawn at " << drawn.x << ", " << drawn.y;
}

// Into each corner of the view and back in, as a player's mouse moves it.
// At any speed but 1 the pointer moves by the mouse's steps, each worth a
// display pixel's share of the view times the speed, and stops at the
// view's edges; at speed 1 it follows the system pointer's pixel. Ends
// with the pointer in the middle.
void expectThePointerIntoEveryCorner(GameHarness& game, const PlayerChoices& row)
{
    const float speed = static_cast<float>(row.sensitivity) * 0.25f + 0.5f;
    const float unitsX = 640.0f / static_cast<float>(row.width), unitsY = 480.0f / static_cast<float>(row.height);
    const bool bRelative = speed != 1.0f;
    constexpr int STEP = 64;
    // Relative steps are turned on by the frame after the grab.
    game.step();
    for (const bool bRight : {false, true})
        for (const bool bTop : {false, true}) {
            SCOPED_TRACE(std::string(bTop ? "top " : "bottom ") + (bRight ? "right" : "left"));
            // Towards the corner, in pixels (y down), and the corner itself.
            const int towardsX = bRight ? 1 : -1, towardsY = bTop ? -1 : 1;
            const int cornerX = bRight ? row.width - 1 : 0, cornerY = bTop ? 0 : row.height - 1;
            float x = 0.0f, y = 0.0f;
            if (bRelative) {
                feed({motionEvent(cornerX, cornerY, towardsX * 10 * row.width, towardsY * 10 * row.height)});
                x = bRight ? 640.0f : 0.0f;
                y = bTop ? 480.0f : 0.0f;
            } else {
                feed({motionEvent(cornerX, cornerY)});
                x = static_cast<float>(cornerX) * unitsX;
                y = static_cast<float>(row.height - cornerY) * unitsY;
            }
            game.step();
            EXPECT_TRUE(pointerAt(game, x, y)) << "in the corner";
            const int backX = cornerX - towardsX * STEP, backY = cornerY - towardsY * STEP;
            feed({motionEvent(backX, backY, -towardsX * STEP, -towardsY * STEP)});
            game.step();
            EXPECT_TRUE(pointerAt(game, x - static_cast<float>(towardsX * STEP) * speed * unitsX,
                                  y + static_cast<float>(towardsY * STEP) * speed * unitsY))
                << "a step back in";
        }
    if (bRelative) {
        const int toTheMiddleX = static_cast<int>(320.0f / (speed * unitsX));
        const int toTheMiddleY = static_cast<int>(240.0f / (speed * unitsY));
        feed({motionEvent(0, 0, -10 * row.width, 10 * row.height), motionEvent(0, 0, toTheMiddleX, -toTheMiddleY)});
    } else {
        feed({motionEvent(row.width / 2, row.height / 2)});
    }
    game.step();
}

// The house of the row's kind, started as a player starts it (the
// challenge round through the quest's saved game at it), until play.
GameController* startTheHouse(GameSession& session, const PlayerChoices& row)
{
    switch (row.house) {
    case QUEST:
        return session.startNew<GameControllerAdventure>(7);
    case PUZZLE:
        return session.startNew<GameControllerPuzzle>(7);
    case ACTION:
        return session.startNew<GameControllerTimeTrial>(7);
    case CHALLENGE_ROUND:
        break;
    }
    GameController* game = session.continueFrom<GameControllerAdventure>(AT_CHALLENGE);
    EXPECT_TRUE(game && session.waitForPlay()) << "no challenge round";
    return game;
}

// The arrows with the caption among the layer's children.
int arrows(const KivBase* layer, const std::string& caption)
{
    const std::vector<ArrowMessage*> all = childrenOf<ArrowMessage>(layer);
    return static_cast<int>(
        std::count_if(all.begin(), all.end(), [&](const ArrowMessage* arrow) { return arrow->caption == caption; }));
}

// The smileys a player clicks first: in the challenge round the one
// answer alone; in a puzzle the chain's first smiley and one that may
// follow it; elsewhere a pair that matches.
std::pair<Smiley*, Smiley*> firstMove(const GameSession& session, const PlayerChoices& row)
{
    const std::vector<Smiley*> present = session.presentSmileys();
    if (row.house == CHALLENGE_ROUND)
        return {session.challengeAnswer(true), nullptr};
    if (present.empty())
        return {nullptr, nullptr};
    if (row.house != PUZZLE)
        return firstPair(present);
    for (Smiley* next : present)
        if (adjacent(present.front(), next) && present.front()->canMatch(next, false))
            return {present.front(), next};
    return {present.front(), nullptr};
}

// What a stretch of play sent to the sound device.
MixedSound::Counts heardSince(const MixedSound& heard, const MixedSound::Counts& before)
{
    return {heard.counts.judged - before.judged, heard.counts.unjudged - before.unjudged,
            heard.counts.withMusic - before.withMusic, heard.counts.withSounds - before.withSounds};
}

class PlayerSetup : public ::testing::TestWithParam<size_t> {};

TEST_P(PlayerSetup, ShowsSavesPointsPlaysAndHelpsAsTheOptionsSay)
{
    // The game starts once per process (ctest runs each row in its own).
    static const size_t started = GetParam();
    if (started != GetParam())
        GTEST_SKIP() << "the game of this process was started for another row";
    const PlayerChoices& row = SETUPS[GetParam()];
    static const VirtualDisplay display(std::to_string(row.width) + "x" + std::to_string(row.height) + "x24");
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    setenv("DISPLAY", display.name().c_str(), 1);
    GameHarness::Start how;
    how.prepare = [&row](const std::string& dataFolder) { leaveThePlayersChoices(dataFolder, row); };
    GameHarness& game = GameHarness::start(how);
    ASSERT_NE(game.mainMenu(), nullptr);

    const std::string log = readWholeFile(game.dataFolder + "/" + APPLICATION_NAME + ".log");
    const std::string mode = std::to_string(row.width) + "x" + std::to_string(row.height);
    for (const std::string& line : {"KivGraphics(): \tFound: " + mode + "\n",
                                    std::string("calcClosestMatchParameters(): Requested mode 1024x768, fullscreen.\n"),
                                    "calcClosestMatchParameters(): Best mode found " + mode + ", fullscreen.\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << log;

    GameSession session(game);
    game.stepped.dt = 0.05;
    MixedSound heard(game.stepped.audio, static_cast<float>(row.musicVolume) / 24.0f,
                     static_cast<float>(row.soundVolume) / 24.0f);
    GameController* house = startTheHouse(session, row);
    ASSERT_NE(house, nullptr);
    ASSERT_EQ(house->state, GameController::STATE_PLAY);
    for (const auto& [kind, help] : HELP) {
        const bool bShown = std::any_of(session.dialogTexts.begin(), session.dialogTexts.end(),
                                        [&](const std::string& text) { return text.find(help) != std::string::npos; });
        EXPECT_EQ(bShown, row.bHelp && (kind == row.house || (row.house == CHALLENGE_ROUND && kind == QUEST)))
            << help;
    }
    if (row.house == ACTION) {
        EXPECT_EQ(arrows(house->bonusLayer, "fill this!"), row.bHelp ? 1 : 0);
    }

    // The first move and what follows, the house still in play (in the
    // challenge round the clock ticking before the answer): each channel at
    // its volume, the house's music throughout or none at all; then the
    // answer, and what it brings.
    const auto [first, second] = firstMove(session, row);
    ASSERT_NE(first, nullptr);
    const MixedSound::Counts beforePlay = heard.counts;
    if (row.house != CHALLENGE_ROUND) {
        session.click(first);
        if (row.house == ACTION) {
            EXPECT_EQ(arrows(house->effectLayer, "matching smiley"), row.bHelp ? 1 : 0);
        }
        session.click(second);
    }
    game.stepSeconds(1.5);
    const MixedSound::Counts inPlay = heardSince(heard, beforePlay);
    EXPECT_GT(inPlay.judged, 20) << "too few buffers judged of " << inPlay.judged + inPlay.unjudged;
    EXPECT_GT(inPlay.withSounds, 0) << "no sound played";
    EXPECT_EQ(inPlay.withMusic, row.bInGameMusic ? inPlay.judged + inPlay.unjudged : 0) << "buffers with music";
    if (row.house == CHALLENGE_ROUND)
        session.click(first);
    game.stepSeconds(2.0);
    EXPECT_TRUE(heard.matches());

    expectThePointerIntoEveryCorner(game, row);
    expectThePictureShownAndSaved(game, row);
}

INSTANTIATE_TEST_SUITE_P(Setups, PlayerSetup, ::testing::Range<size_t>(0, std::size(SETUPS)),
                         [](const auto& row) { return testName(SETUPS[row.param].what); });

// A player's full screen on a display without OpenGL: the start fails, and
// the report the terminal gets is in the log too, after the lines of the
// mode asked for and before the forced exit; the log is kept as the crash
// log.
TEST(PlayerSetupStart, ADisplayWithoutOpenGLEndsTheStartSayingWhyOnTheTerminalAndInTheLog)
{
    const VirtualDisplay display("1024x768x24", {"-extension", "GLX"});
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    const TemporaryFolder home("kiv-no-opengl");
    const std::string dataFolder = makeWindowedDataFolder(home.path()), terminal = home.path() + "/terminal";
    writeWholeFile(dataFolder + "/" + APPLICATION_NAME + ".cfg", FULL_SCREEN);
    StartedProgram program(
        startProgram(home.path(), {}, terminal, "", [&] { setenv("DISPLAY", display.name().c_str(), 1); }));
    ASSERT_TRUE(program.waitForExit(std::chrono::seconds(60))) << "it did not end";
    EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) != 0) << "status " << program.status();

    const std::string said = readWholeFile(terminal);
    const std::string banner = "*** ERROR *** ";
    const size_t from = said.find(banner), to = said.find('\n', said.find(" Line: ", from));
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << said;
    const std::string report = said.substr(from + banner.size(), to - from - banner.size() + 1);
    EXPECT_NE(report.find("\n Statement: surfaceHandle!=NULL\n Function: restorePresentation()\n"),
              std::string::npos)
        << report;
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/" + APPLICATION_NAME + ".log"));
    const std::string log = readWholeFile(dataFolder + "/crash." + APPLICATION_NAME + ".log");
    const std::string lines[] = {"calcClosestMatchParameters(): Requested mode 1024x768, fullscreen.\n",
                                 "calcClosestMatchParameters(): Best mode found 1024x768, fullscreen.\n",
                                 "error(): " + report, "error(): Forced exit.\n"};
    size_t at = 0;
    for (const std::string& line : lines) {
        const size_t found = log.find(line, at);
        EXPECT_TRUE(found != std::string::npos) << line << "not after the lines before it in\n" << log;
        at = found != std::string::npos ? found + line.size() : at;
    }
}

} // namespace
