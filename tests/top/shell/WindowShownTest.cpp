// What the player sees is what the window shows, not what was drawn: a
// frame of the main menu, drawn by the program's own loop pass with the
// screenshot key pressed, is read back from the window through X once the
// pass is over, and it is the frame the program took its screenshot of
// (the pixels it read before presenting), to the window's channel depth.
#include "GameHarness.h"
#include "KivObserver.h"

// Xlib's macros come after every other header.
#include "ShownWindow.h"

namespace {

using namespace testsupport;

// Keeps the pixels of the screenshot saved.
class ScreenshotPixels : public KivObserver {
public:
    void onFileSaved(const UString& fileName, const void* data, size_t size) override
    {
        if (fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".jpg") == 0)
            pixels.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
    }

    std::vector<unsigned char> pixels;
};

TEST(WindowShown, ShowsTheFrameDrawnOnceItIsPresented)
{
    GameHarness& game = GameHarness::get();
    ShownWindow window;
    ASSERT_TRUE(window.ready()) << "no X window of SDL's";
    ScreenshotPixels screenshot;
    pKiv->pObserver = &screenshot;
    game.stepped.bDraw = true;
    pressKey(KEY_PRINT_SCREEN);
    game.step();
    pKiv->pObserver = nullptr;
    const std::unique_ptr<MemoryImageFile> shown = window.read();
    ASSERT_NE(shown, nullptr) << "the window could not be read";
    MemoryImageFile drawn(shown->width, shown->height);
    ASSERT_EQ(screenshot.pixels.size(), static_cast<size_t>(drawn.width) * drawn.height * 4) << "no screenshot";
    std::copy(screenshot.pixels.begin(), screenshot.pixels.end(), drawn.pImageData);
    const FrameChange change = frameChange(drawn, *shown, 0, window.tolerance());
    EXPECT_EQ(change.pixels, 0) << "the window shows another picture within x " << change.left << ".."
                                << change.right << ", y " << change.top << ".." << change.bottom;
}

} // namespace
