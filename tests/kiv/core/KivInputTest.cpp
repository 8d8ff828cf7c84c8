#include "KivGraphics.h"
#include "KivInput.h"
#include "SyntheticInput.h"
#include "TestEngine.h"

#include <gtest/gtest.h>

namespace {

using testsupport::buttonEvent;
using testsupport::keyEvent;
using testsupport::motionEvent;

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

TEST(KivInput, LosingTheFocusReleasesHeldKeys)
{
    KivInput input;
    input.onEvent(keyEvent(true, SDLK_SPACE));
    input.update();
    SDL_Event focus{};
    focus.type = SDL_ACTIVEEVENT;
    focus.active.state = SDL_APPINPUTFOCUS;
    input.onEvent(focus);
    input.update();
    EXPECT_FALSE(input.isDown(57));
}

// Typed characters come out in Windows-1252; others are no character.
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
    }
}

TEST(KivInput, MouseButtonsJoystickAndMotionDirections)
{
    struct Case { SDL_Event event; std::vector<int> down; };
    SDL_Event axisLeft{}, axisInDeadZone{}, joystickButton{};
    axisLeft.type = axisInDeadZone.type = SDL_JOYAXISMOTION;
    axisLeft.jaxis.value = -30000;
    axisInDeadZone.jaxis.axis = 1;
    axisInDeadZone.jaxis.value = 16000;
    joystickButton.type = SDL_JOYBUTTONDOWN;
    joystickButton.jbutton.button = 31;
    const Case cases[] = {
        {buttonEvent(true, 0, 0, SDL_BUTTON_RIGHT), {309}}, {buttonEvent(true, 0, 0, 6), {311}},
        {buttonEvent(true, 0, 0, SDL_BUTTON_WHEELUP), {}},  {axisLeft, {KivInput::JOYSTICK_LEFT}},
        {axisInDeadZone, {}},                               {joystickButton, {303}},
        {motionEvent(0, 0, 5, -3), {KivInput::MOUSE_UP, KivInput::MOUSE_RIGHT}},
    };
    for (const Case& c : cases) {
        KivInput input;
        input.onEvent(c.event);
        input.update();
        std::vector<int> down;
        for (int code = KivInput::FIRST_JOYSTICK_CODE; code < KivInput::KEY_COUNT; ++code)
            if (input.isDown(code))
                down.push_back(code);
        EXPECT_EQ(down, c.down) << "event " << int(c.event.type);
    }
}

// With no window the view is 640 by 480 and its origin is at the bottom left.
TEST(KivInput, WindowedGrabLetsGoAtTheEdgeOfTheWindow)
{
    struct Case { bool pointerShown; int x, y; bool stillGrabbed; float viewY; };
    const Case cases[] = {{true, 638, 240, true, 240.0f}, {true, 639, 100, false, 380.0f},
                          {true, 320, 479, false, 1.0f}, {false, 639, 100, true, 380.0f}};
    for (const Case& c : cases) {
        KivInput input;
        input.bPointerShown = c.pointerShown;
        input.setMouseGrab(true, 320.0f, 240.0f, 0.0f);
        input.onEvent(motionEvent(c.x, c.y));
        input.update();
        EXPECT_EQ(input.bGrabbed, c.stillGrabbed) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(input.mouseY, c.viewY) << c.x << "," << c.y;
        input.setMouseGrab(false);
    }
}

// In full screen a mouse of another speed moves the pointer by its scaled
// steps, the view's y upwards.
TEST(KivInput, FullScreenMouseOfAnotherSpeedMovesByScaledSteps)
{
    TemporaryHome home;
    Kiv* engine = new Kiv(KivHost::desktop());
    engine->pGraphics->bFullScreen = true;
    const SDL_Surface* window = SDL_GetVideoSurface();
    const float unitsPerPixel = static_cast<float>(engine->pGraphics->fovWidth) / static_cast<float>(window->w);
    {
        KivInput input;
        input.mouseSpeed = 2.0;
        input.setMouseGrab(true, 0.0f, 0.0f, 0.0f);
        input.placePointer(100.0f, 100.0f);
        input.onEvent(motionEvent(0, 0, 10, 5));
        input.update();
        EXPECT_FLOAT_EQ(input.mouseX, 100.0f + 20.0f * unitsPerPixel);
        EXPECT_FLOAT_EQ(input.mouseY, 100.0f - 10.0f * unitsPerPixel);
        input.setMouseGrab(false);
    }
    engine->pGraphics->bFullScreen = false;
    delete engine;
}

} // namespace
