#include "ScreenTestSupport.h"

#include "ContextNewUser.h"
#include "ContextUserManager.h"
#include "RenderableText.h"
#include "SyntheticInput.h"

namespace {

using namespace screentest;

class ContextUserManagerTest : public ScreenTest {};

TEST_F(ContextUserManagerTest, AClickSelectsThePlayerInTheRowUnderThePointer)
{
    addPlayers({"Ann", "Bob", "Cy"});
    open(new ContextUserManager());
    struct RowClick { float x; float dy; int current; };
    const RowClick clicks[] = {
        {-149.0f, 15.0f, 1}, {149.0f, -14.0f, 1}, {150.0f, 0.0f, 0}, {0.0f, -15.0f, 2}, {0.0f, 16.0f, 0},
        // A row below the last player selects nobody.
        {0.0f, -2.0f * ContextUserManager::ROW_STEP, 0},
    };
    for (const RowClick& c : clicks) {
        pGlobal->profileManager.selectProfile(0);
        clickAt(c.x, ContextUserManager::rowY(1) + c.dy);
        EXPECT_EQ(pGlobal->profileManager.current, c.current) << c.x << ", " << c.dy;
    }
}

TEST_F(ContextUserManagerTest, AddStopsAtEightAndDeleteBelowTwo)
{
    for (int count : {1, 2, 7, 8}) {
        clearStack();
        clearRoster();
        for (int i = 0; i < count; ++i)
            pGlobal->profileManager.addProfile(formatString("P%d", i));
        auto* screen = open(new ContextUserManager());
        EXPECT_EQ(screen->pAddButton->disabled, count >= 8) << count;
        EXPECT_EQ(screen->pDeleteButton->disabled, count < 2) << count;
        clickOn(screen->pAddButton);
        EXPECT_EQ(dynamic_cast<ContextNewUser*>(top()) != nullptr, count < 8) << count;
    }
}

TEST_F(ContextUserManagerTest, AddedPlayerAppearsMarkedAsTheCurrentOne)
{
    addPlayers({"Ann"});
    auto* screen = open(new ContextUserManager());
    clickOn(screen->pAddButton);
    frame();
    type(KEY_A, 'b');
    type(KEY_RETURN, 13);
    frame();
    EXPECT_EQ(top(), screen);
    EXPECT_EQ(screen->rowTexts[1]->text, "b");
    EXPECT_EQ(pGlobal->profileManager.current, 1);
    EXPECT_EQ(screen->rowTexts[1]->color, ContextUserManager::CURRENT_COLOR);
    EXPECT_EQ(screen->rowTexts[0]->color, ContextUserManager::ROW_COLOR);
}

TEST_F(ContextUserManagerTest, DeleteRemovesTheCurrentPlayerAfterYes)
{
    addPlayers({"Ann", "Bob", "Cy"});
    pGlobal->profileManager.selectProfile(1);
    auto* screen = open(new ContextUserManager());
    clickOn(screen->pDeleteButton);
    answer(false);
    EXPECT_EQ(pGlobal->profileManager.getCount(), 3);
    clickOn(screen->pDeleteButton);
    answer(true);
    frame();
    frame();
    EXPECT_EQ(pGlobal->profileManager.getCount(), 2) << "one Yes deletes one player, in the frames after it too";
    std::vector<std::string> rows;
    for (const RenderableText* row : screen->rowTexts)
        rows.push_back(row->text);
    std::vector<std::string> expected = {"Ann", "Cy"};
    expected.resize(std::size(screen->rowTexts));
    EXPECT_EQ(rows, expected);
    // Down to two: one more deletion is allowed, then none.
    clickOn(screen->pDeleteButton);
    answer(true);
    EXPECT_EQ(pGlobal->profileManager.getCount(), 1);
    EXPECT_TRUE(screen->pDeleteButton->disabled);
}

class ContextNewUserTest : public ScreenTest {
protected:
    ContextNewUser* openEmpty() { return open(new ContextNewUser()); }
};

// The pointer stays away from the name field: typing needs no pointer over it.
TEST_F(ContextNewUserTest, OkWaitsForANameAndAddsItWithoutOuterSpaces)
{
    auto* screen = openEmpty();
    EXPECT_TRUE(screen->pOkButton->disabled);
    type(stacktest::KEY_SPACE, ' ');
    clickOn(screen->pOkButton);
    type(KEY_RETURN, 13);
    EXPECT_FALSE(screen->bFinished);
    EXPECT_EQ(pGlobal->profileManager.getCount(), 0);

    for (char c : std::string("Al "))
        type(KEY_A, c);
    EXPECT_FALSE(screen->pOkButton->disabled);
    clickOn(screen->pOkButton);
    EXPECT_TRUE(screen->bFinished);
    EXPECT_STREQ(pGlobal->profileManager.getName(0), "Al");
    EXPECT_EQ(pGlobal->profileManager.current, 0);
}

TEST_F(ContextNewUserTest, CancelOnlyWhenPlayersExistAndItAddsNobody)
{
    EXPECT_EQ(openEmpty()->pCancelButton, nullptr);
    clearStack();
    addPlayers({"Ann"});
    auto* screen = openEmpty();
    ASSERT_NE(screen->pCancelButton, nullptr);
    type(KEY_A, 'b');
    clickOn(screen->pCancelButton);
    EXPECT_TRUE(screen->bFinished);
    EXPECT_EQ(pGlobal->profileManager.getCount(), 1);
}

} // namespace
