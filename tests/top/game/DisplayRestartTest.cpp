// A display restart, as a change of the graphics options asks for one, loses
// every OpenGL texture: the textures made from files are loaded again, the
// fonts' caches of rendered strings are emptied and filled again, and the
// display comes back in the mode asked for. The main menu (texts from the
// cache, stretched button frames) and a house in play (the roof's gable, the
// thermometer's stretched skin, texts drawn glyph by glyph) are drawn with
// the screens held still, the display restarted into full screen and back
// into a window, and drawn again: what a replay records of the frame is the
// same, every texture drawn from holds what it shows, the pixels in the
// window are the same, and the display reports the mode asked for.
#include "GameSession.h"
#include "ReplayRecorder.h"
#include "ScreenPixels.h"

namespace {

using namespace testsupport;

// One frame drawn with the screens held still: its frame line and the
// lines of its drawing as a replay records them, and its pixels.
struct Still {
    std::string frameLine;
    std::vector<std::string> drawing;
    std::unique_ptr<MemoryImageFile> pixels;

    bool has(const std::string& part) const
    {
        return std::any_of(drawing.begin(), drawing.end(),
                           [&](const std::string& line) { return line.find(part) != std::string::npos; });
    }
};

Still drawStill(GameHarness& game, ReplayRecorder& recorder)
{
    // What the recorder heard of the frames before goes first.
    recorder.endFrame(0.0);
    recorder.lines.clear();
    recorder.beginFrame(1);
    recorder.drawn("still");
    game.step();
    recorder.endFrame(0.0);
    Still still{recorder.lines.front(), {}, grab()};
    for (const std::string& line : recorder.lines)
        for (const char* kind : {"skin ", "text ", "shadow ", "geometry "})
            if (line.rfind(kind, 0) == 0)
                still.drawing.push_back(line);
    return still;
}

// The screen on top drawn, then the display restarted into full screen at
// the desktop's size (a mode every display has) and back into a 640 x 480
// window, asked for as the graphics options do, and drawn after each.
void expectTheSameAfterRestarts(GameHarness& game, ReplayRecorder& recorder)
{
    game.stack()->timeScale = 0.0;
    game.step();
    const Still before = drawStill(game, recorder);
    EXPECT_TRUE(before.has(" cached")) << "no text drawn from a cache";
    EXPECT_TRUE(before.has(": ")) << "no skin of its own geometry drawn";
    struct Mode {
        int width, height;
        bool bFullScreen;
    };
    KivGraphics& graphics = *pKiv->pGraphics;
    const Mode modes[] = {{graphics.desktopWidth, graphics.desktopHeight, true}, {640, 480, false}};
    for (const Mode& mode : modes) {
        const std::string asked = std::string(mode.bFullScreen ? "full screen " : "window ") +
                                  std::to_string(mode.width) + "x" + std::to_string(mode.height) + ",";
        SCOPED_TRACE(asked);
        graphics.changePresentationParameters(mode.width, mode.height, mode.bFullScreen, graphics.bBilinearFilter,
                                              graphics.bUseVSync);
        game.step();
        ASSERT_EQ(pKiv->mode, Kiv::MODE_DISPLAYLOST) << "no restart";
        const Still after = drawStill(game, recorder);
        EXPECT_NE(after.frameLine.find(", display " + asked), std::string::npos) << after.frameLine;
        EXPECT_FALSE(after.has(" unfilled")) << "drawn from a texture that lost its texels";
        const auto differ =
            std::mismatch(before.drawing.begin(), before.drawing.end(), after.drawing.begin(), after.drawing.end());
        if (differ.first != before.drawing.end() || differ.second != after.drawing.end())
            ADD_FAILURE() << "drawn before: " << (differ.first != before.drawing.end() ? *differ.first : "nothing")
                          << "\n       after: " << (differ.second != after.drawing.end() ? *differ.second : "nothing");
        if (!mode.bFullScreen) {
            const FrameChange change = frameChange(*before.pixels, *after.pixels, 0);
            EXPECT_EQ(change.pixels, 0) << "pixels changed within x " << change.left << ".." << change.right
                                        << ", y " << change.top << ".." << change.bottom;
        }
    }
    game.stack()->timeScale = 1.0;
}

TEST(DisplayRestart, TheMainMenuAndAHouseInPlayLandOnTheSamePixelsInTheModeAskedFor)
{
    GameHarness& game = GameHarness::get();
    ReplayRecorder recorder;
    pKiv->pObserver = &recorder;
    game.stepped.bDraw = true;
    {
        SCOPED_TRACE("main menu");
        expectTheSameAfterRestarts(game, recorder);
    }
    pGlobal->hst.bInGameHelp = false;
    GameSession session(game);
    session.startNew<GameControllerAdventure>(4);
    {
        SCOPED_TRACE("house in play");
        expectTheSameAfterRestarts(game, recorder);
    }
    pKiv->pObserver = nullptr;
}

} // namespace
