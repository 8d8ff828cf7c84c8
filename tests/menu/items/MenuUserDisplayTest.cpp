#include "ItemTestSupport.h"

#include "ContextNewUser.h"
#include "ContextUserManager.h"
#include "MenuUserDisplay.h"
#include "RenderableText.h"

namespace {

using namespace itemtest;

using MenuUserDisplayTest = ItemTest;

// The lines' top edges: 140 and 170 units below the top of the 480-high view.
constexpr float NAME_TOP = 240.0f - 140.0f;
constexpr float HINT_TOP = 240.0f - 170.0f;

// The box reaches from the greeting's top down over its hint line, which
// says "click here".
TEST_F(MenuUserDisplayTest, GreetingLightsUpInsideItsBoxOnly)
{
    pGlobal->profileManager.addProfile("A very long player name");
    MenuUserDisplay* display = add(new MenuUserDisplay());
    const float hintBottom = HINT_TOP - static_cast<float>(pGlobal->pFontSmall->lineHeight);
    struct Case { const char* name; float x, y; bool hovered; };
    const Case cases[] = {
        {"Centre", 0.0f, NAME_TOP - 18.0f, true},
        {"LeftEdge", -100.0f, NAME_TOP - 18.0f, true},
        {"RightEdge", 100.0f, NAME_TOP - 18.0f, false},
        {"JustLeft", -100.5f, NAME_TOP - 18.0f, false},
        {"TopEdge", 0.0f, NAME_TOP, true},
        {"AboveTop", 0.0f, NAME_TOP + 0.5f, false},
        {"OnTheHint", 0.0f, HINT_TOP - 2.0f, true},
        {"HintsBottomEdge", 0.0f, hintBottom, false},
        {"InsideTheHintsBottom", 0.0f, hintBottom + 0.5f, true},
        {"FarAway", 250.0f, -200.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        moveMouseTo(c.x, c.y);
        step();
        EXPECT_EQ(c.hovered ? UColor(255, 255, 255, 255) : UColor(255, 128, 0, 255), display->nameLine->color);
    }
}

// Without a player, the new-player screen opens on top of the list.
TEST_F(MenuUserDisplayTest, ClickOnTheGreetingOrItsHintOpensThePlayerList)
{
    pGlobal->profileManager.addProfile("Ann");
    add(new MenuUserDisplay());
    pressAt(0.0f, NAME_TOP + 10.0f);
    EXPECT_EQ(nullptr, top()) << "outside the box";
    // The greeting, and the lower part of the hint.
    const float hintBottom = HINT_TOP - static_cast<float>(pGlobal->pFontSmall->lineHeight);
    for (const float y : {NAME_TOP - 10.0f, hintBottom + 1.0f}) {
        pressAt(0.0f, y);
        EXPECT_NE(nullptr, dynamic_cast<ContextUserManager*>(top())) << y;
        EXPECT_EQ(1, stack().getChildCount());
        clearStack();
    }
    pGlobal->profileManager.deleteProfile(0);
    pressAt(0.0f, NAME_TOP - 10.0f);
    ASSERT_EQ(2, stack().getChildCount());
    EXPECT_NE(nullptr, dynamic_cast<ContextUserManager*>(static_cast<Context*>(stack().pFirstChild)));
    EXPECT_NE(nullptr, dynamic_cast<ContextNewUser*>(top()));
}

} // namespace
