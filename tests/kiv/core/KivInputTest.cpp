#include "KivInput.h"
#include "SyntheticInput.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

namespace {

using testsupport::keyEvent;

TEST(KivInput, PressesCountFromTheFrameTheyHappenIn)
{
    KivInput input;
    input.onEvent(keyEvent(true, SDLK_RETURN, 13));
    input.update();
    EXPECT_TRUE(input.wentDown(28));
    EXPECT_EQ(input.getPressedKey(), 28);
    input.update();
    EXPECT_TRUE(input.isDown(28));
    EXPECT_FALSE(input.wentDown(28)) << "held, not pressed again";
    EXPECT_EQ(input.getPressedKey(), 0);
    input.onEvent(keyEvent(false, SDLK_RETURN));
    input.update();
    EXPECT_FALSE(input.isDown(28));

    input.onEvent(keyEvent(true, SDLK_a, 'a'));
    input.onEvent(keyEvent(false, SDLK_a));
    input.update();
    EXPECT_TRUE(input.wentDown(30)) << "a tap inside one frame is still seen";
    input.update();
    EXPECT_FALSE(input.isDown(30));

    input.onEvent(keyEvent(true, SDLK_SPACE));
    input.update();
    SDL_Event focus{};
    focus.type = SDL_ACTIVEEVENT;
    focus.active.state = SDL_APPINPUTFOCUS;
    input.onEvent(focus);
    input.update();
    EXPECT_FALSE(input.isDown(57)) << "losing the focus releases held keys";
}

TEST(KivInput, TypedCharacters)
{
    struct Case { SDLKey key; Uint16 unicode; int code; int expected; };
    const Case cases[] = {
        {SDLK_BACKSPACE, 0, 14, 8}, {SDLK_e, 0xE9, 18, 0xE9}, {SDLK_e, 0x20AC, 18, 0x80}, {SDLK_e, 0x4E2D, 18, 0},
    };
    for (const Case& c : cases) {
        KivInput input;
        input.onEvent(keyEvent(true, c.key, c.unicode));
        input.update();
        EXPECT_EQ(input.getKeyChar(c.code), c.expected) << c.unicode;
        EXPECT_EQ(input.getKeyChar(c.code + 1), 0) << "another key";
    }
    KivInput input;
    EXPECT_EQ(input.getKeyChar(0), 0);
    EXPECT_EQ(input.getKeyChar(300), 0);
}

// The key presses of one frame come out one per frame in the order typed,
// while every key still counts as gone down in the frame it went down.
TEST(KivInput, KeyPressesOfOneFrameComeOutOnePerFrameInOrder)
{
    KivInput input;
    for (const SDL_Event& event : testsupport::typingEvents("Ab"))
        input.onEvent(event);
    input.update();
    for (int code : {42, 30, 48})
        EXPECT_TRUE(input.wentDown(code)) << code;
    EXPECT_EQ(input.getPressedKey(), 42);
    EXPECT_EQ(input.getKeyChar(42), 0);
    input.update();
    EXPECT_EQ(input.getPressedKey(), 30);
    // A screen change resets the input before anyone read this press.
    input.reset();
    EXPECT_EQ(input.getPressedKey(), 0);
    input.update();
    EXPECT_EQ(input.getPressedKey(), 30);
    EXPECT_EQ(input.getKeyChar(30), 'A');
    input.update();
    EXPECT_EQ(input.getKeyChar(48), 'b');
    input.update();
    EXPECT_EQ(input.getPressedKey(), 0);
}

} // namespace
