#include "ItemTestSupport.h"

#include "ContextDialog.h"
#include "ContextMenu.h"
#include "MenuBool.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuGroup.h"
#include "MenuInt.h"
#include "MenuString.h"

namespace {

using namespace itemtest;

// An options screen built the way the menu screens build themselves: items
// made in the constructor, buttons polled in the contents update, settings
// written straight through pointers.
class OptionsScreen : public ContextMenu {
public:
    OptionsScreen()
    {
        addChildLast(new MenuGroup(0.0f, 0.0f, 0.0f, "Options", 560.0f, 440.0f));
        pSound = new MenuBool(100.0f, 120.0f, 0.0f, "Sound", "Sound on or off", &bSound);
        addChildLast(pSound);
        pLevel = new MenuInt(0.0f, 60.0f, 0.0f, "Level", "Starting level", &level, 0, 3, 1);
        addChildLast(pLevel);
        pName = new MenuString(0.0f, 0.0f, 0.0f, "Name", "Your name", name, 15);
        addChildLast(pName);
        pApply = new MenuButton(-140.0f, -120.0f, 0.0f, "Apply", "Use these settings");
        pApply->hotKey = 'p';
        pApply->setWidth(200);
        addChildLast(pApply);
        pReset = new MenuButton(140.0f, -120.0f, 0.0f, "Reset", "Back to the defaults");
        pReset->confirmQuestion = "Reset everything?";
        pReset->setWidth(200);
        addChildLast(pReset);
        pBack = new MenuButtonQuit(0.0f, -180.0f, 0.0f, "Back", "");
        addChildLast(pBack);
    }

    void tickContents(double contextT, double contextDt) override
    {
        ContextMenu::tickContents(contextT, contextDt);
        if (pApply->wasClicked())
            ++applied;
        if (pReset->wasClicked())
            ++resets;
    }

    bool bSound = false;
    int level = 1;
    char name[16] = "";
    int applied = 0;
    int resets = 0;
    MenuBool* pSound;
    MenuInt* pLevel;
    MenuString* pName;
    MenuButton* pApply;
    MenuButton* pReset;
    MenuButtonQuit* pBack;
};

class ItemsScreenTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        stack = pGlobal->pContextManager;
        stack->pushContext(&options);
        frame();
    }
    void TearDown() override
    {
        clearStack();
        ItemTest::TearDown();
    }

    void frame() { stack->tick(0.0, 0.02); }
    void click(float x, float y)
    {
        moveMouseTo(x, y);
        setInput({MOUSE_LEFT});
        frame();
        setInput({});
    }
    ContextManager* stack = nullptr;
    OptionsScreen options;
};

TEST_F(ItemsScreenTest, ItemsAnswerClicksTypingAndHotKeysOnTheStack)
{
    ASSERT_EQ(&options, stack->getActiveContext());
    click(100.0f, 120.0f);
    EXPECT_TRUE(options.bSound);
    click(104.0f, 60.0f);
    EXPECT_EQ(2, options.level);
    click(-104.0f, 60.0f);
    click(-104.0f, 60.0f);
    click(-104.0f, 60.0f);
    EXPECT_EQ(0, options.level) << "never below the range";

    moveMouseTo(0.0f, 0.0f);
    for (int character : {'J', 'o'}) {
        typeKey(KEY_A, character);
        frame();
    }
    setInput({});
    frame();
    EXPECT_STREQ("Jo", options.name);
    EXPECT_EQ(0, options.applied) << "typing over the field is not the hot key";

    moveMouseTo(250.0f, 200.0f);
    typeKey(25, 'p');
    frame();
    setInput({});
    frame();
    EXPECT_EQ(1, options.applied);
    EXPECT_STREQ("Jo", options.name) << "the field is not under the mouse";
    click(-140.0f, -120.0f);
    EXPECT_EQ(2, options.applied);
}

TEST_F(ItemsScreenTest, ConfirmedButtonClicksOnceTheDialogHasClosed)
{
    click(140.0f, -120.0f);
    ContextDialog* dialog = dynamic_cast<ContextDialog*>(stack->getActiveContext());
    ASSERT_NE(nullptr, dialog);
    frame();
    // While the dialog is up, the screen below hears nothing.
    click(100.0f, 120.0f);
    EXPECT_FALSE(options.bSound);
    const V3 yes = dialog->pFirstButton->position;
    click(yes.x, yes.y);
    EXPECT_EQ(0, options.resets);
    frame();
    EXPECT_EQ(&options, stack->getActiveContext()) << "the dialog is gone";
    frame();
    EXPECT_EQ(1, options.resets);
    frame();
    EXPECT_EQ(1, options.resets);
}

} // namespace
