#include "StackTestSupport.h"

#include "LanguageFlag.h"
#include "Logo.h"

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
        manager.tick(0.0, 0.02);
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
    Context* screen = new Context();
    LanguageFlag* flag = new LanguageFlag(1);
    int keptLanguage = -1;
};

TEST_F(LanguageFlagTest, ClickChoosesTheLanguageOnlyWhenAButtonWentDownOverTheFlag)
{
    struct Case {
        const char* name;
        float x, y;
        bool pressedNow;
        bool hovered;
        bool chosen;
    };
    const Case cases[] = {
        {"PressOverTheFlag", -100.0f, 50.0f, true, true, true},
        {"PressOnItsEdge", -85.0f, 35.0f, true, true, true},
        {"PressOutside", 0.0f, 50.0f, true, false, false},
        {"HoverWithoutPress", -100.0f, 50.0f, false, true, false},
        {"ButtonHeldFromBefore", -100.0f, 50.0f, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        moveMouseTo(c.x, c.y);
        if (c.pressedNow)
            setInput({MOUSE_LEFT});
        else if (std::string(c.name) == "ButtonHeldFromBefore")
            setInput({}, {MOUSE_LEFT});
        else
            setInput({});
        screen->tick(0.0, 0.02);
        EXPECT_EQ(c.hovered, flag->hovered);
        EXPECT_EQ(c.chosen ? 1 : -1, pKiv->defaultLanguage);
        EXPECT_EQ(c.chosen, screen->bFinished) << "the selection screen closes";
        pKiv->defaultLanguage = -1;
        screen->bFinished = false;
    }
}

TEST_F(LanguageFlagTest, NamesTheLanguageBesideTheFlagWhileHovered)
{
    screen->clearColor = BACKDROP;
    for (bool over : {true, false, true}) {
        SCOPED_TRACE(over ? "over" : "away");
        moveMouseTo(over ? -100.0f : 200.0f, over ? 50.0f : -200.0f);
        screen->tick(0.0, 0.02);
        EXPECT_EQ(over, flag->hovered);
        screen->render();
        auto image = grab();
        EXPECT_TRUE(sameColor(GREEN, worldPixel(*image, -110.0f, 50.0f)));
        // "English" (the language's own name), 49 units wide from 65 units
        // right of the flag's centre, centred on its height.
        const int namePixels = countPixels(*image, WHITE, 320 - 36, 240 - 60, 320 + 16, 240 - 40);
        if (over)
            EXPECT_GT(namePixels, 200);
        else
            EXPECT_EQ(0, namePixels);
        EXPECT_EQ(0, countPixels(*image, WHITE, 0, 0, 320 - 36, 480));
        EXPECT_EQ(0, countPixels(*image, WHITE, 320 + 16, 0, 640, 480));
    }
}

TEST(Logo, ShowsTheCompositeLogoSkin)
{
    Logo logo;
    EXPECT_EQ(pKiv->pResourceManager->find("logo:all"), logo.pSkin);
    EXPECT_FLOAT_EQ(64.0f, logo.pSkin->width);
}

} // namespace
