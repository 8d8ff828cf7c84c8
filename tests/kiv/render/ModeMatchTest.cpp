#include "KivGraphics.h"

#include <gtest/gtest.h>

namespace {

using Modes = KivGraphics::VideoModeList;

Modes listOf(std::vector<std::pair<int, int>> sizes)
{
    Modes modes;
    modes.sizes = std::move(sizes);
    return modes;
}

TEST(ModeMatching, RequestsBecomeModesTheDisplayCanOpen)
{
    const Modes fourModes = listOf({{1280, 1024}, {1024, 768}, {800, 600}, {640, 480}});
    Modes anySize;
    anySize.bAnySize = true;
    struct Case { const char* name; Modes modes; int desktopW, desktopH; bool fullScreen; int width, height;
        bool expectFullScreen; int expectWidth, expectHeight; };
    const Case cases[] = {
        {"window as large as the desktop steps down", {}, 1024, 768, false, 1024, 768, false, 800, 600},
        {"narrow window takes the smallest size", {}, 1280, 1024, false, 300, 900, false, 320, 240},
        {"full screen takes the largest mode inside", fourModes, 1280, 1024, true, 1000, 700, true, 800, 600},
        {"full screen without a fitting mode takes the narrowest", fourModes, 1280, 1024, true, 600, 400, true, 640,
         480},
        {"no full-screen mode reverts to the largest window", listOf({}), 1024, 768, true, 640, 480, false, 800, 600},
        {"any size keeps the request", anySize, 1280, 1024, true, 1000, 700, true, 1000, 700},
        {"unsorted modes", listOf({{800, 600}, {1024, 768}}), 1280, 1024, true, 1024, 768, true, 1024, 768},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool fullScreen = c.fullScreen;
        int width = c.width, height = c.height;
        KivGraphics::matchMode(c.modes, c.desktopW, c.desktopH, fullScreen, width, height);
        EXPECT_EQ(c.expectFullScreen, fullScreen);
        EXPECT_EQ(c.expectWidth, width);
        EXPECT_EQ(c.expectHeight, height);
    }
}

} // namespace
