#include "OnlineTestSupport.h"

#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextOptionsGameplay.h"
#include "ContextOptionsGraphics.h"
#include "ContextOptionsSound.h"
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

// A row of each kind on each page, and the rows whose field a slip could
// swap with a neighbour's; the choosers' own stepping is the item tests'.
TEST_F(OptionScreensTest, RowsWriteTheirSettingStraightIntoTheBlock)
{
    const SettingCase cases[] = {
        {"AllowCheats", screenOf<ContextOptionsGameplay>(), Language::ALLOWCHEATS, TOGGLE,
         [](const HSTdata& h) { return int(h.bAllowCheats); }, 0, 1},
        {"Detail", screenOf<ContextOptionsGraphics>(), Language::DETAIL, LEFT_ARROW,
         [](const HSTdata& h) { return h.detail; }, 1, 0},
        {"SmallestModeOnlyForDebugging", screenOf<ContextOptionsGraphics>(), Language::VIDEOMODE, LEFT_ARROW,
         [](const HSTdata& h) { return h.resolution; }, 1, 1},
        {"MaximumFps", screenOf<ContextOptionsGraphics>(), Language::MAXIMUMFPS, RIGHT_ARROW,
         [](const HSTdata& h) { return h.maxFps; }, 100, 105},
        {"SoundVolume", screenOf<ContextOptionsSound>(), Language::SOUNDVOLUME, LEFT_ARROW,
         [](const HSTdata& h) { return h.soundVolume; }, 24, 23},
        {"MusicVolume", screenOf<ContextOptionsSound>(), Language::MUSICVOLUME, LEFT_ARROW,
         [](const HSTdata& h) { return h.musicVolume; }, 15, 14},
        {"Up", screenOf<ContextOptionsControls>(), Language::CONTROLSUP, PRESS_K,
         [](const HSTdata& h) { return h.keys[2][0]; }, 200, KEY_K},
        {"InGameMenuIsFixed", screenOf<ContextOptionsControls>(), Language::CONTROLSINGAMEMENU, PRESS_K,
         [](const HSTdata& h) { return h.keys[2][0]; }, 200, 200},
        {"SecondMissile", screenOf<ContextOptionsControls2>(), Language::CONTROLSALTFIRE, PRESS_K,
         [](const HSTdata& h) { return h.keys[5][1]; }, 29, KEY_K},
    };
    for (const SettingCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ContextOptionsPage* page = open(c.make());
        MenuItem* row = findItem<MenuItem>(page, english(c.caption));
        ASSERT_NE(nullptr, row);
        EXPECT_EQ(c.before, c.field(pGlobal->hst));
        act(row, c.action);
        EXPECT_EQ(c.after, c.field(pGlobal->hst));
        EXPECT_EQ(c.before != c.after, page->hasChanges());
        close(page);
        TearDown();
    }
}

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
