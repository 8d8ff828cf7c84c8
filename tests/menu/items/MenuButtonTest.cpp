#include "ItemTestSupport.h"

#include "MenuBool.h"
#include "MenuButton.h"
#include "SyntheticInput.h"

namespace {

using namespace itemtest;

using MenuButtonTest = ItemTest;

struct TriggerCase { const char* name; bool over, mousePress; char hotKey; int keyCode, keyChar; bool disabled, clicked; };

TEST_F(MenuButtonTest, PressOverTheButtonOrItsHotKeyAnywhereClicksIt)
{
    const TriggerCase cases[] = {
        {"PressOver", true, true, 0, 0, 0, false, true},
        {"PressAway", false, true, 0, 0, 0, false, false},
        {"HotKeyAway", false, false, 'x', KEY_X, 'x', false, true},
        {"ShiftedCharacter", false, false, 'x', KEY_X, 'X', false, false},
        {"DisabledHotKey", false, false, 'x', KEY_X, 'x', true, false},
    };
    for (const TriggerCase& c : cases) {
        SCOPED_TRACE(c.name);
        MenuButton* button = add(new MenuButton(0.0f, 0.0f, 0.0f, "Go", ""));
        button->hotKey = c.hotKey;
        button->disabled = c.disabled;
        moveMouseTo(c.over ? 100.0f : 300.0f, 0.0f);
        if (c.keyCode)
            typeKey(c.keyCode, c.keyChar);
        setInput(c.mousePress ? std::initializer_list<int>{MOUSE_LEFT} : std::initializer_list<int>{});
        step();
        setInput({});
        EXPECT_EQ(c.clicked, button->wasClicked());
        EXPECT_EQ(nullptr, pGlobal->pContextManager->getActiveContext()) << "no dialog";
        button->deleteMe();
    }
}

// Mouse events as the event pump delivers them between two frames, in
// pixels of the 640 x 480 window: the button at the view's centre, (600, 40)
// far from it.
TEST_F(MenuButtonTest, PressIsJudgedWhereItHappened)
{
    using testsupport::buttonEvent;
    using testsupport::motionEvent;
    struct Case { const char* name; std::vector<SDL_Event> events; bool clicked; };
    const Case cases[] = {
        {"MotionOntoItAndPress", {motionEvent(320, 240), buttonEvent(true, 320, 240), buttonEvent(false, 320, 240)}, true},
        {"PressAwayFromTheLastMotion", {motionEvent(600, 40), buttonEvent(true, 320, 240)}, true},
        {"PressOnItThenMotionAway", {buttonEvent(true, 320, 240), buttonEvent(false, 320, 240), motionEvent(600, 40)}, true},
        {"PressAwayThenMotionOntoIt", {buttonEvent(true, 600, 40), buttonEvent(false, 600, 40), motionEvent(320, 240)}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuButton* button = add(new MenuButton(0.0f, 0.0f, 0.0f, "Go", ""));
        moveMouseTo(300.0f, -230.0f);
        testsupport::feed(c.events);
        step();
        EXPECT_EQ(c.clicked, button->wasClicked());
        button->deleteMe();
        // The button is gone before the rest of the events are seen.
        testsupport::feed({buttonEvent(false, 600, 40)});
        step();
    }
}

// A fresh press over an enabled switch turns it over once; a held button,
// a press beside it or on a disabled switch does nothing.
TEST_F(MenuButtonTest, EachPressOverASwitchInvertsItOnce)
{
    struct Frame { const char* name; bool over; bool press; bool held; bool disabled; bool value; };
    // The switch is 50 wide at the origin.
    const Frame frames[] = {
        {"Press", true, true, false, false, true},        {"Held", true, false, true, false, true},
        {"Released", true, false, false, false, true},    {"PressAgain", true, true, false, false, false},
        {"ReleasedAgain", true, false, false, false, false}, {"Away", false, true, false, false, false},
        {"ReleasedAway", false, false, false, false, false}, {"Disabled", true, true, false, true, false},
        {"ReleasedOnDisabled", true, false, false, true, false}, {"Enabled", true, true, false, false, true},
    };
    bool value = false;
    MenuBool* toggle = add(new MenuBool(0.0f, 0.0f, 0.0f, "Sound", "", &value));
    EXPECT_FLOAT_EQ(50.0f, toggle->pSkin->width);
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.name);
        toggle->disabled = f.disabled;
        moveMouseTo(f.over ? 20.0f : 30.0f, 0.0f);
        setInput(f.press || f.held ? std::initializer_list<int>{MOUSE_LEFT} : std::initializer_list<int>{});
        step();
        EXPECT_EQ(f.value, value);
        EXPECT_EQ(f.over && f.press && !f.disabled, toggle->wasClicked());
    }
}

} // namespace
