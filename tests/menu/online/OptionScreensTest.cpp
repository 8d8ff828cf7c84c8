#include "OnlineTestSupport.h"

#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextOptionsGameplay.h"
#include "ContextOptionsGraphics.h"
#include "FramePacer.h"
#include "MenuInt.h"

namespace {

using namespace onlinetest;

constexpr int KEY_K = 37;

enum Action { TOGGLE, LEFT_ARROW, RIGHT_ARROW, PRESS_K };

// field: the field of the block the row edits, as an int.
struct SettingCase { const char* name; std::function<ContextOptionsPage*()> make; Language::StringsEnum caption;
    Action action; std::function<int(const HSTdata&)> field; int before, after; };

template <typename T>
std::function<ContextOptionsPage*()> screenOf()
{
    return [] { return new T(); };
}

class OptionScreensTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        std::memcpy(saved, &pGlobal->hst, sizeof(saved));
        // The defaults, in a window.
        pGlobal->hst.initialise();
        pGlobal->hst.bFullScreen = false;
        pKiv->bDebugOutput = false;
    }
    void TearDown() override
    {
        std::memcpy(static_cast<void*>(&pGlobal->hst), saved, sizeof(saved));
        pGlobal->applySettings();
        pKiv->bRestartRequested = false;
        pKiv->bDebugOutput = false;
        ScreenTest::TearDown();
    }

    void act(MenuItem* item, Action action)
    {
        const float reach = 0.5f * item->pSkin->width - MenuInt::ARROW_INSET;
        switch (action) {
        case TOGGLE: clickOn(item); break;
        case LEFT_ARROW: clickAt(item->position.x - reach, item->position.y); break;
        case RIGHT_ARROW: clickAt(item->position.x + reach, item->position.y); break;
        case PRESS_K:
            moveMouseTo(item->position.x, item->position.y);
            setInput({KEY_K});
            frame();
            setInput({});
            moveMouseTo(300.0f, -230.0f);
            break;
        }
    }
    void close(ContextOptionsPage* page)
    {
        clickOn(page->pBackButton);
        frame();
        EXPECT_EQ(nullptr, top());
    }

    alignas(HSTdata) unsigned char saved[sizeof(HSTdata)];
};

// Escape closes a changed page, Back an unchanged one.
TEST_F(OptionScreensTest, ClosingAfterAChangeAppliesTheSettings)
{
    for (bool bChange : {true, false}) {
        SCOPED_TRACE(bChange);
        SetUp();
        pGlobal->applySettings();
        // Marks that show whether the settings were applied since.
        pKiv->pInput->mouseSpeed = 9.0f;
        pKiv->pFramePacer->init(1.0);
        ContextOptionsPage* page = open(new ContextOptionsControls());
        if (bChange)
            act(findItem<MenuItem>(page, english(Language::SENSITIVITY)), RIGHT_ARROW);
        EXPECT_FLOAT_EQ(9.0f, static_cast<float>(pKiv->pInput->mouseSpeed)) << "not before the screen closes";
        if (bChange) {
            setInput({KEY_ESCAPE});
            frame();
            setInput({});
            frame();
            EXPECT_EQ(nullptr, top());
        } else {
            close(page);
        }
        EXPECT_FLOAT_EQ(bChange ? 1.25f : 9.0f, static_cast<float>(pKiv->pInput->mouseSpeed));
        EXPECT_DOUBLE_EQ(bChange ? 0.01 : 1.0, pKiv->pFramePacer->getPeriod());
        TearDown();
    }
}

} // namespace
