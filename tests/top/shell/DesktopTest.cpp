// What the desktop shows of the program besides its window's pixels, read
// through X from the window SDL made for the game in this process, on a
// display of the test's own: the names the window manager gives the window
// and its icon; the system cursor, hidden while the window holds the
// pointer (the game draws its own) and shown once the pointer leaves it at
// the window's edge; and the keys the program takes for the desktop, sent
// as a player's key events to SDL's window and read from SDL's own queue by
// the program's loop pass: Alt or Meta (the Command key) with F4 ends the
// program once the pass's frame has run, F4 alone or with Shift or Control
// does not, and Print Screen writes a screenshot.
#include "GameHarness.h"
#include "VirtualDisplay.h"

#include <filesystem>
#include <memory>
#include <optional>

// Xlib's macros come after every other header.
#include "SdlWindow.h"
#include "ShownCursor.h"
#include "WindowInput.h"

namespace {

using namespace testsupport;

// The name the window and its icon go by.
const std::string APPLICATION = "Glimmerdaledemo";

// The display the game of this process runs on, until the process ends. Its
// keyboard has Meta keys of their own (a PC keyboard has Meta only as the
// Alt keys' shifted symbol).
const VirtualDisplay& ownDisplay()
{
    static VirtualDisplay display;
    return display;
}

// The game of this process, started on the display of its own and left
// before its first frame: every pass of the test's is the program's own,
// on the window's real events.
GameHarness* startOnOwnDisplay()
{
    const VirtualDisplay& display = ownDisplay();
    if (!display.ready())
        return nullptr;
    // Kept open: a server whose last client leaves resets its keyboard.
    static WindowInput keyboard(display.name());
    static const bool bKeyboard =
        keyboard.ready() && keyboard.giveKeyOfItsOwn(XK_Meta_L) && keyboard.giveKeyOfItsOwn(XK_Meta_R);
    if (!bKeyboard)
        return nullptr;
    setenv("DISPLAY", display.name().c_str(), 1);
    GameHarness::Start how;
    how.stop = GameHarness::AT_LAUNCH;
    return &GameHarness::start(how);
}

// Window properties, read as bytes.
std::string propertyText(Display* display, Window window, const char* name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, AnyPropertyType,
                           &type, &format, &count, &after, &data) != Success || !data)
        return "(none)";
    const std::string text(reinterpret_cast<const char*>(data), count);
    XFree(data);
    return text;
}

// The screenshots in the data folder.
int screenshots(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        count += name.rfind(APPLICATION + "-", 0) == 0 && entry.path().extension() == ".jpg";
    }
    return count;
}

// The game on the display of its own, and SDL's window of it.
class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = startOnOwnDisplay();
        ASSERT_NE(game, nullptr) << "no display of the test's own";
        window.emplace();
        ASSERT_TRUE(window->ready()) << "no X window of SDL's";
    }

    GameHarness* game = nullptr;
    std::optional<SdlWindow> window;
};

TEST_F(Desktop, TheWindowAndItsIconAreNamedAfterTheGame)
{
    const SdlWindow& sdl = *window;
    // The older names, then those of today's window managers (UTF-8).
    for (const char* property : {"WM_NAME", "WM_ICON_NAME", "_NET_WM_NAME", "_NET_WM_ICON_NAME"})
        EXPECT_EQ(propertyText(sdl.pEvents, sdl.topLevel, property), APPLICATION) << property;
}

TEST_F(Desktop, TheSystemCursorIsHiddenWhileTheWindowHoldsThePointer)
{
    const SdlWindow& sdl = *window;
    WindowInput player(ownDisplay().name(), sdl.topLevel);
    const ShownCursor cursor(ownDisplay().name());
    ASSERT_TRUE(cursor.ready()) << "the display cannot tell its cursor";
    const auto toTheMenu = [this, &player, &sdl] {
        for (int i = 0; i < GameHarness::DEFAULT_MAX_FRAMES && !game->menuShown(); ++i) {
            if (game->introPlays())
                player.key(XK_Escape);
            sdl.sync();
            game->passOnSdlEvents();
        }
        if (!game->menuShown())
            ADD_FAILURE() << "no main menu";
    };
    struct Row {
        const char* what;
        std::function<void()> act;
        bool bHidden;
    };
    // The loader draws no pointer of the game's; the main menu does.
    const Row rows[] = {
        {"before any click", [] {}, false},
        {"a click into the loader", [&player] { player.click(320, 240); }, true},
        {"the pointer on the loader's left edge", [&player] { player.move(0, 240); }, true},
        {"the main menu, the pointer still on the edge", toTheMenu, false},
        {"a click into the menu", [&player] { player.click(320, 240); }, true},
        {"the pointer on the menu's bottom edge", [&player] { player.move(320, 479); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.act();
        sdl.sync();
        game->passOnSdlEvents();
        sdl.sync();
        ASSERT_TRUE(cursor.pointerOver(sdl.window)) << "the pointer is not over the window";
        EXPECT_EQ(!cursor.visible(), row.bHidden);
    }
}

TEST_F(Desktop, AltOrMetaWithF4EndsTheProgramAfterThePassAndPrintScreenTakesAScreenshot)
{
    const SdlWindow& sdl = *window;
    WindowInput player(ownDisplay().name(), sdl.topLevel);
    // Every frame is drawn (a screenshot is taken of a frame drawn), and
    // counted.
    const auto frames = std::make_shared<int>(0);
    game->stepped.drawWhen = [frames] {
        ++*frames;
        return true;
    };
    struct Row {
        const char* what;
        KeySym held;
        KeySym key;
        bool bEnds;
        int screenshots;
    };
    const Row rows[] = {
        {"F4", NoSymbol, XK_F4, false, 0},
        {"Left Shift F4", XK_Shift_L, XK_F4, false, 0},
        {"Right Shift F4", XK_Shift_R, XK_F4, false, 0},
        {"Left Control F4", XK_Control_L, XK_F4, false, 0},
        {"Right Control F4", XK_Control_R, XK_F4, false, 0},
        {"Left Alt F4", XK_Alt_L, XK_F4, true, 0},
        {"Right Alt F4", XK_Alt_R, XK_F4, true, 0},
        {"Left Meta (Command) F4", XK_Meta_L, XK_F4, true, 0},
        {"Right Meta (Command) F4", XK_Meta_R, XK_F4, true, 0},
        {"Print Screen", NoSymbol, XK_Print, false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const int shotsBefore = screenshots(game->dataFolder);
        const int framesBefore = *frames;
        if (row.held == NoSymbol)
            player.key(row.key);
        else
            player.keyWith(row.held, row.key);
        sdl.sync();
        const bool bGoesOn = game->passOnSdlEvents();
        EXPECT_EQ(bGoesOn, !row.bEnds);
        EXPECT_EQ(*frames, framesBefore + 1) << "the pass ran no frame";
        EXPECT_EQ(screenshots(game->dataFolder) - shotsBefore, row.screenshots);
    }
    game->stepped.drawWhen = nullptr;
}

} // namespace
