#include "StackTestSupport.h"

#include "ContextDialog.h"
#include "EventManager.h"
#include "MenuButton.h"
#include "MousePointer.h"
#include "RadialFader.h"
#include "Reference.h"
#include "TimeKeeper.h"

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
    // A screen the stack deletes when it pops it.
    RecordingScreen* transientScreen(const std::string& name)
    {
        RecordingScreen* made = new RecordingScreen(name, log);
        made->bDeleteWhenFinished = true;
        return made;
    }
    void step() { manager->tick(0.0, 0.02); }
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
}

TEST_F(ContextManagerTest, CoveredScreenIsDeactivatedAndComesBackActivatedAgain)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = screen("upper");
    manager->pushContext(lower);
    step();
    manager->pushContext(upper);
    step();
    upper->bFinished = true;
    step();
    step();
    EXPECT_EQ((Log{"lower activate first", "lower deactivate covered", "upper activate first",
                   "upper deactivate closing", "lower activate again"}),
              log);
}

TEST_F(ContextManagerTest, FinishedScreenUnderTheTopWaitsUntilItIsOnTop)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = screen("upper");
    manager->pushContext(lower);
    manager->pushContext(upper);
    step();
    lower->bFinished = true;
    step();
    EXPECT_EQ(lower, upper->pPrev) << "still on the stack";
    log.clear();
    upper->bFinished = true;
    step();
    EXPECT_EQ((Log{"upper deactivate closing", "lower deactivate closing"}), log);
    EXPECT_TRUE(manager->bQuit);
}

TEST_F(ContextManagerTest, DeleteWhenFinishedScreensAreDeletedWhenPopped)
{
    RecordingScreen* kept = screen("kept");
    manager->pushContext(kept);
    manager->pushContext(transientScreen("transient"));
    step();
    manager->getActiveContext()->bFinished = true;
    step();
    EXPECT_EQ((Log{"transient activate first", "transient deactivate closing", "transient deleted", "kept activate first"}),
              log);
    EXPECT_EQ(kept, manager->getActiveContext());
}

TEST_F(ContextManagerTest, EmptyStackRaisesQuitAndDrawsNothing)
{
    manager->pushContext(screen("only"));
    step();
    EXPECT_FALSE(manager->bQuit);
    manager->getActiveContext()->bFinished = true;
    step();
    EXPECT_TRUE(manager->bQuit);
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

TEST_F(ContextManagerTest, SwitchingScreensClearsTheMouseOverObjectAndOpensTheFader)
{
    RecordingScreen* first = screen("first");
    manager->pushContext(first);
    KivBase hovered;
    pKiv->pEventManager->setMouseOver(&hovered);
    manager->pFader->coverage = manager->pFader->targetCoverage = 1.0f;
    step();
    EXPECT_EQ(nullptr, pKiv->pEventManager->getMouseOver());
    EXPECT_EQ(0.0f, manager->pFader->targetCoverage);
    EXPECT_LT(manager->pFader->coverage, 1.0f) << "the fader layer is ticked in the same frame";

    manager->pFader->targetCoverage = 1.0f;
    pKiv->pEventManager->setMouseOver(&hovered);
    step();
    EXPECT_EQ(1.0f, manager->pFader->targetCoverage) << "no switch, no reopening";
    EXPECT_EQ(&hovered, pKiv->pEventManager->getMouseOver());
    pKiv->pEventManager->setMouseOver(nullptr);
}

TEST_F(ContextManagerTest, ActiveScreenDecidesWhetherThePointerIsShown)
{
    RecordingScreen* hidden = screen("hidden");
    hidden->bShowPointer = false;
    manager->pushContext(screen("shown"));
    step();
    EXPECT_TRUE(pKiv->pInput->bPointerShown);
    manager->pushContext(hidden);
    step();
    EXPECT_FALSE(pKiv->pInput->bPointerShown);
    hidden->bFinished = true;
    step();
    EXPECT_TRUE(pKiv->pInput->bPointerShown);
}

TEST_F(ContextManagerTest, PickAsksTheTopScreenOnly)
{
    RecordingScreen* lower = screen("lower");
    RecordingScreen* upper = screen("upper");
    Renderable* target = new Renderable();
    target->pSkin = shared().pointerTexture->skins[0];
    target->bHasInvXform = true;
    target->updateVisuals();
    lower->addChildLast(target);
    manager->pushContext(lower);
    step();
    EXPECT_EQ(target, manager->pick(0.0f, 0.0f));
    manager->pushContext(upper);
    step();
    EXPECT_EQ(nullptr, manager->pick(0.0f, 0.0f));
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

TEST_F(ContextManagerTest, ConfirmationDialogAsksInTheCurrentLanguage)
{
    RecordingScreen* asker = screen("asker");
    asker->bConfirmBeforeClose = true;
    manager->pushContext(asker);
    step();
    manager->dialogAnswer = 1;
    setInput({KEY_ESCAPE});
    step();
    ContextDialog* dialog = topDialog();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Are you sure?", dialog->title);
    EXPECT_EQ("Yes", dialog->firstCaption);
    EXPECT_EQ("No", dialog->secondCaption);
    EXPECT_EQ(&manager->dialogAnswer, dialog->pAnswer);
    EXPECT_EQ(-1, manager->dialogAnswer) << "built: the answer starts at none";
    EXPECT_FALSE(dialog->bFinished);
    EXPECT_TRUE(dialog->bDeleteWhenFinished);
    EXPECT_EQ((Log{"asker activate first"}), log) << "the dialog becomes active only at the next tick";
}

TEST_F(ContextManagerTest, YesClosesTheDialogAndTheScreenThatAsked)
{
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
    dialog->pFirstButton->clicked = true;
    step();
    EXPECT_TRUE(asker->bFinished);
    EXPECT_EQ(-1, manager->dialogAnswer) << "consumed";
    log.clear();
    step();
    EXPECT_EQ(nullptr, alive.get()) << "the stack deleted the dialog";
    EXPECT_EQ((Log{"asker deactivate closing", "below activate first"}), log);
    EXPECT_EQ(below, manager->getActiveContext());
}

TEST_F(ContextManagerTest, NoOrEscapeOnTheDialogClosesOnlyTheDialog)
{
    for (bool answerNo : {true, false}) {
        SCOPED_TRACE(answerNo ? "No" : "Escape");
        RecordingScreen* asker = screen("asker");
        asker->bConfirmBeforeClose = true;
        manager->pushContext(asker);
        step();
        setInput({KEY_ESCAPE});
        step();
        setInput({});
        step();
        ContextDialog* dialog = topDialog();
        ASSERT_NE(nullptr, dialog);
        if (answerNo)
            dialog->pSecondButton->clicked = true;
        else
            setInput({KEY_ESCAPE});
        step();
        setInput({});
        EXPECT_EQ(answerNo ? 1 : -1, manager->dialogAnswer) << "left as the dialog wrote it";
        step();
        EXPECT_FALSE(asker->bFinished);
        EXPECT_EQ(asker, manager->getActiveContext());
        asker->bFinished = true;
        step();
    }
}

struct CloseKeyCase {
    const char* name;
    int code;
    bool closeOnKeys;
    bool rebindFireToF;
    bool expectFinished;
};

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

TEST_F(ContextManagerTest, DestroyingTheStackLeavesItsScreensToTheirOwners)
{
    RecordingScreen* kept = screen("kept");
    RecordingScreen* transient = transientScreen("transient");
    manager->pushContext(kept);
    manager->pushContext(transient);
    step();
    delete manager;
    manager = nullptr;
    EXPECT_EQ(nullptr, kept->getParent());
    EXPECT_EQ(nullptr, transient->getParent());
    EXPECT_EQ(Log{"transient activate first"}, log) << "detached, neither deactivated nor deleted";
    delete transient;
}

TEST_F(ContextManagerTest, PointerIsDrawnOverTheActiveScreenUnlessItHidesIt)
{
    for (bool show : {true, false}) {
        SCOPED_TRACE(show ? "shown" : "hidden");
        RecordingScreen* shown = screen("screen");
        shown->clearColor = BACKDROP;
        shown->bShowPointer = show;
        manager->pushContext(shown);
        moveMouseTo(100.0f, 50.0f);
        step();
        manager->render();
        auto image = grab();
        EXPECT_TRUE(sameColor(show ? RED : BACKDROP, worldPixel(*image, 100.0f, 50.0f)));
        EXPECT_TRUE(sameColor(BACKDROP, worldPixel(*image, 130.0f, 50.0f)));
        shown->bFinished = true;
        step();
    }
}

class CountingPointer : public KivBase {
public:
    void tick(double, double) override { ++ticks; }
    void render() override { ++renders; }
    int ticks = 0;
    int renders = 0;
};

TEST_F(ContextManagerTest, ScreenMayBringItsOwnPointer)
{
    RecordingScreen* custom = screen("custom");
    custom->clearColor = BACKDROP;
    CountingPointer own;
    custom->pPointer = &own;
    manager->pushContext(custom);
    moveMouseTo(100.0f, 50.0f);
    step();
    manager->render();
    EXPECT_EQ(1, own.ticks);
    EXPECT_EQ(1, own.renders);
    EXPECT_TRUE(sameColor(BACKDROP, worldPixel(*grab(), 100.0f, 50.0f))) << "the stack's pointer is not drawn";
    custom->bShowPointer = false;
    manager->render();
    EXPECT_EQ(1, own.renders) << "a screen that hides the pointer hides its own too";
    custom->pPointer = nullptr;
}

TEST_F(ContextManagerTest, FaderIsDrawnOverTheScreen)
{
    RecordingScreen* shown = screen("screen");
    shown->clearColor = BACKDROP;
    manager->pushContext(shown);
    step();
    manager->pFader->coverage = manager->pFader->targetCoverage = 1.0f;
    moveMouseTo(0.0f, 0.0f);
    manager->render();
    auto image = grab();
    EXPECT_TRUE(sameColor(BLACK, pixelAt(*image, 320, 240))) << "over the pointer too";
    EXPECT_TRUE(sameColor(BLACK, pixelAt(*image, 5, 5)));
    manager->pFader->coverage = manager->pFader->targetCoverage = 0.0f;
}

TEST_F(ContextManagerTest, FrameRateCounterRefreshesEighthTimesASecond)
{
    RecordingScreen* shown = screen("screen");
    manager->pushContext(shown);
    step();
    pGlobal->hst.bShowFps = true;
    pKiv->fps = 59.94;
    const double before = pKiv->pTimeKeeper->getTime();
    manager->render();
    const double after = pKiv->pTimeKeeper->getTime();
    EXPECT_FLOAT_EQ(59.94f, manager->shownFps);
    EXPECT_GE(manager->nextFpsSample, before + 0.125) << "the next refresh comes 0.125 s after this one";
    EXPECT_LE(manager->nextFpsSample, after + 0.125);
    // Put far ahead so that a slow machine cannot reach it between two frames.
    manager->nextFpsSample = after + 3600.0;
    pKiv->fps = 30.0;
    manager->render();
    EXPECT_FLOAT_EQ(59.94f, manager->shownFps) << "the same value until the refresh";

    manager->nextFpsSample = 0.0;
    shown->bHideFps = true;
    manager->render();
    EXPECT_FLOAT_EQ(59.94f, manager->shownFps) << "a screen that hides the counter stops it";
    shown->bHideFps = false;
    manager->render();
    EXPECT_FLOAT_EQ(30.0f, manager->shownFps);
    pGlobal->hst.bShowFps = false;
}

TEST_F(ContextManagerTest, FrameRateCounterSitsInTheTopRightCorner)
{
    RecordingScreen* shown = screen("screen");
    shown->clearColor = BACKDROP;
    manager->pushContext(shown);
    step();
    pGlobal->hst.bShowFps = true;
    pKiv->fps = 88.0;
    manager->nextFpsSample = 0.0;
    manager->render();
    pGlobal->hst.bShowFps = false;
    auto image = grab();
    // "88.0" is about 28 pixels wide, right-aligned 2 pixels from the right edge.
    EXPECT_GT(countPixels(*image, WHITE, 600, 0, 640, 30), 0);
    EXPECT_EQ(0, countPixels(*image, WHITE, 0, 0, 595, 480));
    EXPECT_EQ(0, countPixels(*image, WHITE, 595, 40, 640, 480));
}

TEST_F(ContextManagerTest, FrameRateGraphPlotsTheHistoryWithTheTargetLine)
{
    RecordingScreen* shown = screen("screen");
    shown->clearColor = BACKDROP;
    manager->pushContext(shown);
    step();
    std::fill(std::begin(pKiv->fpsHistory), std::end(pKiv->fpsHistory), 100);
    const int32_t keptMaxFps = pGlobal->hst.maxFps;
    pGlobal->hst.maxFps = 40;
    pKiv->debugLevel = 0x04;
    manager->render();
    pKiv->debugLevel = 0;
    pGlobal->hst.maxFps = keptMaxFps;
    auto image = grab();
    // Samples of 100 lie at y = -240 + 25 (row 455), the target of 40 at
    // y = -240 + 10 (row 470); the graph runs 512 pixels leftwards from the
    // right edge.
    EXPECT_GT(countPixels(*image, UColor(0, 128, 0, 255), 520, 453, 521, 458), 0);
    EXPECT_GT(countPixels(*image, UColor(255, 0, 0, 255), 520, 468, 521, 473), 0);
    EXPECT_EQ(0, countPixels(*image, UColor(0, 128, 0, 255), 0, 0, 100, 480));
    EXPECT_EQ(0, countPixels(*image, UColor(0, 128, 0, 255), 0, 0, 640, 440));
    std::fill(std::begin(pKiv->fpsHistory), std::end(pKiv->fpsHistory), 0);
}

} // namespace
