#include "KivInput.h"
#include "SyntheticInput.h"

#include <gtest/gtest.h>

namespace {

using testsupport::keyEvent;

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
