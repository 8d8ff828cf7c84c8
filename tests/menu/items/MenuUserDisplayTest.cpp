#include "ItemTestSupport.h"

#include "MenuUserDisplay.h"
#include "RenderableText.h"

namespace {

using namespace itemtest;

using MenuUserDisplayTest = ItemTest;

// The greeting's top edge: 140 units below the top of the 480-high view;
// the line "Click here to change players." stands 30 units below it, one
// line of the small font (10 units here) high.
constexpr float NAME_TOP = 240.0f - 140.0f;
constexpr float HINT_TOP = NAME_TOP - 30.0f;

// The greeting turns white under the pointer: over its box under the name
// line's top and over the line that says where to click.
TEST_F(MenuUserDisplayTest, GreetingLightsUpInsideItsBoxOnly)
{
    pGlobal->profileManager.addProfile("A very long player name");
    MenuUserDisplay* display = add(new MenuUserDisplay());
    const struct {
        const char* name;
        float x, y;
        bool hovered;
    } cases[] = {
        {"Centre", 0.0f, NAME_TOP - 18.0f, true},     {"LeftEdge", -100.0f, NAME_TOP - 18.0f, true},
        {"TopEdge", 0.0f, NAME_TOP, true},            {"AboveTop", 0.0f, NAME_TOP + 0.5f, false},
        {"OverTheHint", 0.0f, HINT_TOP - 8.0f, true}, {"FarAway", 250.0f, -200.0f, false},
    };
    for (const auto& c : cases) {
        moveMouseTo(c.x, c.y);
        step();
        EXPECT_EQ(c.hovered ? UColor(255, 255, 255, 255) : UColor(255, 128, 0, 255), display->nameLine->color)
            << c.name;
    }
}

} // namespace
