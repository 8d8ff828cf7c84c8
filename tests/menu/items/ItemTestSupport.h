#pragma once
// Shared by the menu item tests: the screen-stack test engine (640 x 480,
// one world unit one pixel, origin at the centre; item frames whose skins
// differ in colour, fonts with the arrow and switch marks) with a screen
// stack in Global and the English key names. Items are children of a plain
// screen whose engine frames step with a fixed dt; input is fed as the
// window's events.
#include "../stack/StackTestSupport.h"

#include "Context.h"
#include "Language.h"
#include "ProfileManager.h"
#include "SyntheticInput.h"

#include <cstring>

namespace itemtest {

using namespace stacktest;

constexpr int KEY_A = 30;
constexpr int KEY_G = 34;
constexpr int KEY_X = 45;
using testsupport::KEY_BACKSPACE;

class Environment : public stacktest::Environment {
public:
    void SetUp() override
    {
        stacktest::Environment::SetUp();
        pGlobal->pFontTiny = pGlobal->pFontSmall;
        pGlobal->pContextManager = new ContextManager();
        pKiv->pLanguage->setCurrentLanguage(0);
    }
};

// Takes every screen off the stack, deleting those that delete themselves.
inline void clearStack()
{
    ContextManager& stack = *pGlobal->pContextManager;
    while (Context* screen = stack.getActiveContext()) {
        stack.removeChild(screen);
        if (screen->bDeleteWhenFinished)
            delete screen;
    }
    stack.previouslyActive.set(nullptr);
    stack.active.set(nullptr);
    stack.bQuit = false;
}

// The key goes down in the next frame, typing the character (0 for
// none), and comes up again within it.
inline void typeKey(int code, int character)
{
    testsupport::feed(testsupport::inputEvents(code, true, static_cast<Uint16>(character)));
    testsupport::feed(testsupport::inputEvents(code, false));
}

// Items under test are children of the host screen; each step is one engine
// frame over it, STEP seconds long. Each test starts with an empty stack, an
// empty roster and a frame in which nothing is down (nothing an earlier
// test pressed is held).
class ItemTest : public ::testing::Test {
protected:
    static constexpr double STEP = 0.05;

    void SetUp() override
    {
        setInput({});
        moveMouseTo(300.0f, -230.0f);
        pKiv->pGraphics->bTextShadows = false;
        clearStack();
        clearRoster();
        step();
    }
    void TearDown() override
    {
        setInput({});
        clearStack();
    }

    static void clearRoster()
    {
        ProfileManager& roster = pGlobal->profileManager;
        for (Profile& profile : roster.profiles)
            std::memset(&profile, 0, sizeof profile);
        roster.current = 0;
        roster.lastHighScorePosition = -1;
    }
    static ContextManager& stack() { return *pGlobal->pContextManager; }
    static Context* top() { return stack().getActiveContext(); }
    template <typename T>
    T* add(T* item)
    {
        host.addChildLast(item);
        return item;
    }
    void step() { stepFrame(&host, frameSeconds); }
    // One frame with the mouse at (x, y) and a fresh left-button press;
    // when the button was down in the last frame, a frame with it up first.
    void pressAt(float x, float y)
    {
        if (pKiv->pInput->isDown(MOUSE_LEFT))
            step();
        moveMouseTo(x, y);
        setInput({MOUSE_LEFT});
        step();
        setInput({});
    }
    // Draws the host screen over the backdrop and reads the frame back.
    std::unique_ptr<MemoryImageFile> draw()
    {
        clearFrame();
        host.render();
        return grab();
    }

    Context host;
    // Seconds per frame.
    double frameSeconds = STEP;
};

} // namespace itemtest
