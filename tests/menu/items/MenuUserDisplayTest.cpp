#include "ItemTestSupport.h"

#include "ContextNewUser.h"
#include "ContextUserManager.h"
#include "MenuUserDisplay.h"
#include "RenderableText.h"

namespace {

using namespace itemtest;

using MenuUserDisplayTest = ItemTest;

// The line's top edge: 140 units below the top of the 480-high view.
constexpr float NAME_TOP = 240.0f - 140.0f;

// Without a player, the new-player screen opens on top of the list.
TEST_F(MenuUserDisplayTest, ClickOnTheGreetingOpensThePlayerList)
{
    pGlobal->profileManager.addProfile("Ann");
    add(new MenuUserDisplay());
    pressAt(0.0f, NAME_TOP + 10.0f);
    EXPECT_EQ(nullptr, top()) << "outside the box";
    pressAt(0.0f, NAME_TOP - 10.0f);
    EXPECT_NE(nullptr, dynamic_cast<ContextUserManager*>(top()));
    EXPECT_EQ(1, stack().getChildCount());
    clearStack();
    pGlobal->profileManager.deleteProfile(0);
    pressAt(0.0f, NAME_TOP - 10.0f);
    ASSERT_EQ(2, stack().getChildCount());
    EXPECT_NE(nullptr, dynamic_cast<ContextUserManager*>(static_cast<Context*>(stack().pFirstChild)));
    EXPECT_NE(nullptr, dynamic_cast<ContextNewUser*>(top()));
}

} // namespace
