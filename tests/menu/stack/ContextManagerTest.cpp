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
        if (manager) {
            for (BasicLink* node = manager->pFirstChild; node; node = node->pNext)
                static_cast<Context*>(node)->bFinished = true;
            step();
        }
        pGlobal->pContextManager = nullptr;
        delete manager;
    }

    // A screen the test owns (not deleted by the stack).
    RecordingScreen* screen(const std::string& name)
    {
        owned.push_back(std::make_unique<RecordingScreen>(name, log));
        return owned.back().get();
    }
    void step() { driver.step(manager); }
    ContextDialog* topDialog() const { return dynamic_cast<ContextDialog*>(manager->getActiveContext()); }

    Log log;
    ContextManager* manager = nullptr;
    std::vector<std::unique_ptr<RecordingScreen>> owned;
    testsupport::FrameDriver driver = writtenInputDriver(0.02);
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
    EXPECT_EQ(nullptr, manager->getActiveContext());
    EXPECT_EQ(nullptr, manager->pick(0.0f, 0.0f));

    clearFrame();
    manager->pFader->coverage = 1.0f;
    manager->render();
    EXPECT_TRUE(sameColor(BACKDROP, pixelAt(*grab(), 320, 240))) << "not even the fader is drawn";
    manager->pFader->coverage = 0.0f;

    manager->pushContext(screen("late"));
    step();
    EXPECT_TRUE(manager->bQuit) << "the flag stays set";
}

// The stack alone, without the event manager that a whole frame runs after it.
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
// that comes back sees nothing held, in the frame of the switch or later,
// until a fresh press. Input goes through the window's events and the
// engine's per-frame update, as in the program.
TEST_F(ContextManagerTest, PressThatClosesTheTopNeverReachesTheScreenBelow)
{
    ButtonWatchingScreen below("below", log);
    RecordingScreen* dialog = screen("dialog");
    dialog->bCloseOnKeys = true;
    manager->pushContext(&below);
    manager->pushContext(dialog);
    driver.bUpdateInput = true;
    step();
    testsupport::leftButton(true);
    step();
    ASSERT_TRUE(dialog->bFinished);
    step();
    step();
    testsupport::leftButton(false);
    step();
    testsupport::leftButton(true);
    step();
    testsupport::leftButton(false);
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), below.seen);
    below.bFinished = true;
    step();
}

struct EscapeCase {
    const char* name;
    bool escapeCloses;
    bool confirm;
    bool heldFromLastFrame;
    bool expectFinished;
    bool expectDialog;
};

class EscapeTest : public ContextManagerTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, ClosesOrAsksOnlyWhenEscapeWentDown)
{
    const EscapeCase& c = GetParam();
    RecordingScreen* asker = screen("asker");
    asker->bEscapeCloses = c.escapeCloses;
    asker->bConfirmBeforeClose = c.confirm;
    manager->pushContext(asker);
    step();
    if (c.heldFromLastFrame)
        setInput({}, {KEY_ESCAPE});
    else
        setInput({KEY_ESCAPE});
    step();
    EXPECT_EQ(c.expectFinished, asker->bFinished);
    EXPECT_EQ(c.expectDialog, topDialog() != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, EscapeTest,
                         ::testing::Values(EscapeCase{"Closes", true, false, false, true, false},
                                           EscapeCase{"Asks", true, true, false, false, true},
                                           EscapeCase{"IgnoredWhenNotAllowed", false, true, false, false, false},
                                           EscapeCase{"HeldKeyDoesNothing", true, false, true, false, false},
                                           EscapeCase{"HeldKeyAsksNothing", true, true, true, false, false}),
                         [](const ::testing::TestParamInfo<EscapeCase>& c) { return c.param.name; });

TEST_F(ContextManagerTest, ConfirmationClosesTheAskerOnlyOnYes)
{
    enum Answer { YES, NO, ESCAPE };
    for (Answer answer : {YES, NO, ESCAPE}) {
        SCOPED_TRACE(answer);
        TearDown();
        SetUp();
        RecordingScreen* below = screen("below");
        RecordingScreen* asker = screen("asker");
        asker->bConfirmBeforeClose = true;
        manager->pushContext(below);
        manager->pushContext(asker);
        step();
        setInput({KEY_ESCAPE});
        step();
        setInput({});
        step();
        ContextDialog* dialog = topDialog();
        ASSERT_NE(nullptr, dialog);
        Reference alive(dialog);
        if (answer == ESCAPE)
            setInput({KEY_ESCAPE});
        else
            (answer == YES ? dialog->pFirstButton : dialog->pSecondButton)->clicked = true;
        step();
        setInput({});
        EXPECT_EQ(answer == YES, asker->bFinished);
        step();
        EXPECT_EQ(nullptr, alive.get()) << "the stack deleted the dialog";
        EXPECT_EQ(answer == YES ? below : asker, manager->getActiveContext());
    }
}

struct CloseKeyCase { const char* name; int code; bool closeOnKeys; bool rebindFireToF; bool expectFinished; };

class CloseKeyTest : public ContextManagerTest, public ::testing::WithParamInterface<CloseKeyCase> {};

TEST_P(CloseKeyTest, FireKeysAndMousePressesCloseScreensThatAllowIt)
{
    const CloseKeyCase& c = GetParam();
    int32_t (&fire)[2] = pGlobal->hst.keys[4];
    const int32_t kept[2] = {fire[0], fire[1]};
    if (c.rebindFireToF)
        fire[0] = KEY_F;
    RecordingScreen* target = screen("target");
    target->bCloseOnKeys = c.closeOnKeys;
    manager->pushContext(target);
    step();
    setInput({c.code});
    step();
    EXPECT_EQ(c.expectFinished, target->bFinished);
    setInput({}, {c.code});
    target->bFinished = false;
    step();
    EXPECT_FALSE(target->bFinished) << "a key held from the last frame does not count";
    fire[0] = kept[0];
    fire[1] = kept[1];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseKeyTest,
    ::testing::Values(CloseKeyCase{"Space", KEY_SPACE, true, false, true},
                      CloseKeyCase{"LeftShift", KEY_LEFT_SHIFT, true, false, true},
                      CloseKeyCase{"MouseButton", MOUSE_LEFT, true, false, true},
                      CloseKeyCase{"FourthMouseButton", MOUSE_LEFT + 3, true, false, true},
                      CloseKeyCase{"ReboundFire", KEY_F, true, true, true},
                      CloseKeyCase{"SpaceNoLongerBound", KEY_SPACE, true, true, false},
                      CloseKeyCase{"OtherKey", KEY_F, true, false, false},
                      CloseKeyCase{"NotAllowed", KEY_SPACE, false, false, false}),
    [](const ::testing::TestParamInfo<CloseKeyCase>& c) { return c.param.name; });

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

    delete owned.front().release();
    log.clear();
    step();
    EXPECT_TRUE(manager->bQuit);
    EXPECT_TRUE(log.empty());
}

} // namespace
