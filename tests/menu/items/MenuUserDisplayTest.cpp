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

// Without a player, the new-player screen opens on top of the list.
TEST_F(MenuUserDisplayTest, ClickOnTheGreetingOrItsHintOpensThePlayerList)
{
    pGlobal->profileManager.addProfile("Ann");
    add(new MenuUserDisplay());
    // Above the greeting and below the hint, then on the greeting and on the
    // lower part of the hint.
    const float hintBottom = HINT_TOP - static_cast<float>(pGlobal->pFontSmall->lineHeight);
    for (const float y : {NAME_TOP + 10.0f, hintBottom - 3.0f}) {
        pressAt(0.0f, y);
        EXPECT_EQ(nullptr, top()) << "outside the box " << y;
    }
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
