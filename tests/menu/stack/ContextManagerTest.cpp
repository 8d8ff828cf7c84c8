#include "StackTestSupport.h"

#include "ContextDialog.h"
#include "EventManager.h"
#include "MenuButton.h"
#include "RadialFader.h"
#include "Reference.h"
#include "SyntheticInput.h"

namespace {

using namespace stacktest;
using Log = std::vector<std::string>;

class ContextManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setInput({});
        moveMouseTo(0.0f, 0.0f);
        manager = new ContextManager();
        pGlobal->pContextManager = manager;
    }
    void TearDown() override
    {
        setInput({});
        // Pops everything, so that dialogs and other screens the stack
        // deletes are gone before the stack itself.
        for (BasicLink* node = manager->pFirstChild; node; node = node->pNext)
            static_cast<Context*>(node)->bFinished = true;
        step();
        pGlobal->pContextManager = nullptr;
        delete manager;
    }

    // A screen the test owns (not deleted by the stack).
    RecordingScreen* screen(const std::string& name)
    {
        owned.push_back(std::make_unique<RecordingScreen>(name, log));
        return owned.back().get();
    }
    void step() { stepFrame(manager, 0.02); }
    ContextDialog* topDialog() const { return dynamic_cast<ContextDialog*>(manager->getActiveContext()); }

    Log log;
    ContextManager* manager = nullptr;
    std::vector<std::unique_ptr<RecordingScreen>> owned;
};

TEST_F(ContextManagerTest, PushTakesEffectAtTheNextTickAndOnlyTheTopIsActivated)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = screen("upper");
    lower->bFinished = true;
    manager->pushContext(lower);
    manager->pushContext(upper);
    EXPECT_FALSE(lower->bFinished) << "pushing clears the finished flag";
    EXPECT_EQ(upper, manager->getActiveContext());
    EXPECT_TRUE(log.empty());

    step();
    EXPECT_EQ((Log{"upper activate first"}), log);
    EXPECT_EQ(1, upper->ticks);
    EXPECT_EQ(0, lower->ticks) << "screens below the top are not ticked";

    log.clear();
    upper->bFinished = true;
    step();
    EXPECT_EQ((Log{"upper deactivate closing", "lower activate first"}), log);
    EXPECT_EQ(1, lower->ticks);
    EXPECT_EQ(nullptr, upper->getParent()) << "popped but not deleted: its owner keeps it";

    log.clear();
    manager->pushContext(upper);
    step();
    upper->bFinished = true;
    step();
    EXPECT_EQ((Log{"lower deactivate covered", "upper activate again", "upper deactivate closing", "lower activate again"}),
              log);
}

TEST_F(ContextManagerTest, SwitchingScreensClearsTheMouseOverObjectAndOpensTheFader)
{
    RecordingScreen* first = screen("first");
    manager->pushContext(first);
    KivBase hovered;
    pKiv->pEventManager->setMouseOver(&hovered);
    manager->pFader->coverage = manager->pFader->targetCoverage = 1.0f;
    manager->tick(0.0, 0.02);
    EXPECT_EQ(nullptr, pKiv->pEventManager->getMouseOver());
    EXPECT_EQ(0.0f, manager->pFader->targetCoverage);
    EXPECT_LT(manager->pFader->coverage, 1.0f) << "the fader layer is ticked in the same frame";

    manager->pFader->targetCoverage = 1.0f;
    pKiv->pEventManager->setMouseOver(&hovered);
    manager->tick(0.0, 0.02);
    EXPECT_EQ(1.0f, manager->pFader->targetCoverage) << "no switch, no reopening";
    EXPECT_EQ(&hovered, pKiv->pEventManager->getMouseOver());
    pKiv->pEventManager->setMouseOver(nullptr);
}

TEST_F(ContextManagerTest, FinishedScreenUnderTheTopWaitsUntilItIsOnTopAndTheEmptiedStackQuits)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = screen("upper");
    manager->pushContext(lower);
    manager->pushContext(upper);
    step();
    lower->bFinished = true;
    step();
    EXPECT_EQ(lower, upper->pPrev) << "still on the stack";
    EXPECT_FALSE(manager->bQuit);
    log.clear();
    upper->bFinished = true;
    step();
    EXPECT_EQ((Log{"upper deactivate closing", "lower deactivate closing"}), log);
    EXPECT_TRUE(manager->bQuit) << "the stack is empty";
}

// A screen that notes, each tick, whether it sees the left button down.
class ButtonWatchingScreen : public RecordingScreen {
public:
    using RecordingScreen::RecordingScreen;
    void tickContents(double contextT, double contextDt) override
    {
        seen.push_back(pKiv->pInput->isDown(MOUSE_LEFT));
        RecordingScreen::tickContents(contextT, contextDt);
    }
    std::vector<bool> seen;
};

// The press that closes the top screen is that screen's own: the screen
// that comes back sees nothing held until a fresh press. Input goes through
// the window's events and the engine's per-frame update, as in the program.
TEST_F(ContextManagerTest, PressThatClosesTheTopNeverReachesTheScreenBelow)
{
    ButtonWatchingScreen below("below", log);
    RecordingScreen* dialog = screen("dialog");
    dialog->bCloseOnKeys = true;
    manager->pushContext(&below);
    manager->pushContext(dialog);
    step();
    // Pressed, held for two more frames, released, pressed again.
    for (int event : {1, -1, -1, 0, 1}) {
        if (event >= 0)
            testsupport::leftButton(event == 1);
        step();
    }
    testsupport::leftButton(false);
    EXPECT_TRUE(dialog->bFinished);
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), below.seen);
    below.bFinished = true;
    step();
}

// Escape closes a screen that allows it, or asks first and closes it on
// the first button only; a key held from the last frame does nothing.
TEST_F(ContextManagerTest, EscapeClosesOrAsksOnlyWhenItWentDown)
{
    enum Answer { NONE, YES, NO, ESCAPE };
    struct Case { const char* name; bool bEscapeCloses, bConfirm, bHeld; Answer answer; bool bFinished; };
    const Case cases[] = {
        {"Closes", true, false, false, NONE, true},
        {"IgnoredWhenNotAllowed", false, true, false, NONE, false},
        {"HeldKeyAsksNothing", true, true, true, NONE, false},
        {"Yes", true, true, false, YES, true},
        {"No", true, true, false, NO, false},
        {"EscapeAgain", true, true, false, ESCAPE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        RecordingScreen* asker = screen("asker");
        asker->bEscapeCloses = c.bEscapeCloses;
        asker->bConfirmBeforeClose = c.bConfirm;
        manager->pushContext(asker);
        step();
        // Held: it went down while the screen did not take Escape.
        setInput({KEY_ESCAPE});
        if (c.bHeld) {
            asker->bEscapeCloses = false;
            step();
            asker->bEscapeCloses = c.bEscapeCloses;
        }
        step();
        setInput({});
        step();
        ContextDialog* dialog = topDialog();
        EXPECT_EQ(c.answer != NONE, dialog != nullptr);
        if (dialog) {
            Reference alive(dialog);
            if (c.answer == ESCAPE)
                setInput({KEY_ESCAPE});
            else
                (c.answer == YES ? dialog->pFirstButton : dialog->pSecondButton)->clicked = true;
            step();
            setInput({});
            step();
            EXPECT_EQ(nullptr, alive.get()) << "the stack deleted the dialog";
        }
        EXPECT_EQ(c.bFinished, asker->bFinished);
    }
}

// The fire keys (Space and the left Shift unless rebound) and any mouse
// button close screens that allow it, when they went down this frame.
TEST_F(ContextManagerTest, FireKeysAndMousePressesCloseScreensThatAllowIt)
{
    struct Case { const char* name; int code; bool bCloseOnKeys, bRebindFireToF, bFinished; };
    const Case cases[] = {
        {"LeftShift", KEY_LEFT_SHIFT, true, false, true},
        {"FourthMouseButton", MOUSE_LEFT + 3, true, false, true},
        {"ReboundFire", KEY_F, true, true, true},
        {"SpaceNoLongerBound", KEY_SPACE, true, true, false},
        {"NotAllowed", KEY_SPACE, false, false, false},
    };
    int32_t& fire = pGlobal->hst.keys[4][0];
    const int32_t kept = fire;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fire = c.bRebindFireToF ? KEY_F : kept;
        RecordingScreen* target = screen(c.name);
        target->bCloseOnKeys = c.bCloseOnKeys;
        manager->pushContext(target);
        step();
        target->bCloseOnKeys = false;
        setInput({c.code});
        step();
        target->bCloseOnKeys = c.bCloseOnKeys;
        step();
        EXPECT_FALSE(target->bFinished) << "a key held from the last frame does not count";
        setInput({});
        step();
        setInput({c.code});
        step();
        EXPECT_EQ(c.bFinished, target->bFinished);
        target->bFinished = true;
        setInput({});
        step();
    }
    fire = kept;
}

TEST_F(ContextManagerTest, OwnerMayDeleteAScreenWhileItIsOnTheStack)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = new RecordingScreen("upper", log);
    manager->pushContext(lower);
    manager->pushContext(upper);
    step();
    delete upper;
    EXPECT_EQ(lower, manager->getActiveContext()) << "a deleted screen leaves the stack";
    log.clear();
    step();
    EXPECT_EQ((Log{"lower activate first"}), log) << "nothing is said to the deleted screen";
}

} // namespace
