#include "StackTestSupport.h"

#include "LanguageFlag.h"

namespace {

using namespace stacktest;

class LanguageFlagTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setInput({});
        keptLanguage = pKiv->defaultLanguage;
        pKiv->defaultLanguage = -1;
        pGlobal->pContextManager = &manager;
        flag->position = V3(-100.0f, 50.0f, 0.0f);
        flag->updateVisuals();
        screen->addChildLast(flag);
        screen->bDeleteWhenFinished = true;
        manager.pushContext(screen);
        driver.step(&manager);
    }
    void TearDown() override
    {
        // The stack does not delete the screens still on it.
        manager.removeChild(screen);
        delete screen;
        setInput({});
        pGlobal->pContextManager = nullptr;
        pKiv->defaultLanguage = keptLanguage;
    }

    ContextManager manager;
    testsupport::FrameDriver driver = writtenInputDriver(0.02);
    Context* screen = new Context();
    LanguageFlag* flag = new LanguageFlag(1);
    int keptLanguage = -1;
};

TEST_F(LanguageFlagTest, ClickChoosesTheLanguageOnlyWhenAButtonWentDownOverTheFlag)
{
    struct Case { const char* name; float x, y; bool bPressedNow; bool hovered; bool chosen; };
    const Case cases[] = {
        {"PressOnItsEdge", -85.0f, 35.0f, true, true, true},
        {"PressOutside", 0.0f, 50.0f, true, false, false},
        {"ButtonHeldFromBefore", -100.0f, 50.0f, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        moveMouseTo(c.x, c.y);
        if (c.bPressedNow)
            setInput({MOUSE_LEFT});
        else
            setInput({}, {MOUSE_LEFT});
        driver.step(&manager);
        EXPECT_EQ(c.hovered, flag->hovered);
        EXPECT_EQ(c.chosen ? 1 : -1, pKiv->defaultLanguage);
        EXPECT_EQ(c.chosen, screen->bFinished) << "the selection screen closes";
        pKiv->defaultLanguage = -1;
        screen->bFinished = false;
    }
}

} // namespace
