#include "OnlineTestSupport.h"

#include "ContextNetworkWizard.h"
#include "MenuBool.h"
#include "MenuCountry.h"

#include <future>

namespace {

using namespace onlinetest;

class NetworkWizardTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        resetSettings();
    }
    void TearDown() override
    {
        resetSettings();
        ScreenTest::TearDown();
    }
    static void resetSettings()
    {
        HSTdata& hst = pGlobal->hst;
        hst.bConnectionTestPassed = false;
        hst.publicAddress = NetAddress();
        hst.bFullScreen = false;
        std::memcpy(hst.countryCode, "--", 2);
        pGlobal->applySettings();
        pKiv->bRestartRequested = false;
    }

    ContextNetworkWizard* openWizard(const UString& url)
    {
        ContextNetworkWizard* wizard = new ContextNetworkWizard();
        wizard->datagramWait = 1.0;
        return openSending(wizard, url);
    }
    MenuButton* button(ContextNetworkWizard* wizard, Language::StringsEnum caption)
    {
        MenuButton* found = findItem(wizard, english(caption));
        EXPECT_NE(nullptr, found) << english(caption);
        return found;
    }
};

TEST_F(NetworkWizardTest, APassedTestIsStoredAndLeadsToTheCountry)
{
    // The server holds its answer until the test has looked at the wizard
    // in the middle of the exchange (or, should the test stop early, for a
    // while), however fast or slow the machine.
    std::promise<void> answerReleased;
    std::shared_future<void> release = answerReleased.get_future().share();
    LoopbackServer server([release](const std::string& request) {
        release.wait_for(std::chrono::seconds(30));
        return connectionTestAnswer(request, "address=203.0.113.7:4000\n");
    });
    ContextNetworkWizard* wizard = openWizard(server.url());
    wizard->requestOptions.readTimeoutMs = 30000;
    EXPECT_EQ(ContextNetworkWizard::PAGE_INTRO, wizard->getPage());
    clickOn(button(wizard, Language::NEXT));
    EXPECT_EQ(ContextNetworkWizard::PAGE_TEST, wizard->getPage());
    ASSERT_TRUE(waitFor([&] { return !server.requests().empty(); }));
    frame();
    EXPECT_TRUE(wizard->isTesting());
    EXPECT_TRUE(button(wizard, Language::NEXT)->disabled) << "not before the test has ended";
    answerReleased.set_value();
    ASSERT_TRUE(waitFor([&] { return !wizard->isTesting(); }));
    const HSTdata& hst = pGlobal->hst;
    EXPECT_TRUE(hst.bConnectionTestPassed);
    EXPECT_EQ("203.0.113.7:4000", hst.publicAddress.toString());
    EXPECT_TRUE(hasLine(*wizard->pViewer, english(Language::NETTESTSUCCESS)));
    ASSERT_EQ(1u, server.requests().size());
    EXPECT_EQ("connectiontest", formField(server.requests()[0], "request"));

    clickOn(button(wizard, Language::NEXT));
    EXPECT_EQ(ContextNetworkWizard::PAGE_COUNTRY, wizard->getPage());
    frame();
    MenuCountry* country = findItem<MenuCountry>(wizard, english(Language::SELECTYOURCOUNTRY));
    ASSERT_NE(nullptr, country);
    // The right arrow steps from "--" to the first country in code order.
    clickAt(country->position.x + 0.5f * MenuCountry::CHOOSER_WIDTH - MenuInt::ARROW_INSET, country->position.y);
    EXPECT_EQ(1, wizard->countryPosition);
    EXPECT_EQ(0, std::memcmp(hst.countryCode, "AD", 2));
    clickOn(button(wizard, Language::FINISH));
    frame();
    EXPECT_EQ(nullptr, top());
    // On disk as soon as the wizard closes, not only when the game ends.
    HSTdata stored;
    ASSERT_TRUE(stored.load(*pKiv->pFileManager));
    EXPECT_TRUE(stored.bConnectionTestPassed);
    EXPECT_EQ(0, std::memcmp(stored.countryCode, "AD", 2));
}

// Without a server configured; then each page the player goes on to shows
// only its own result.
TEST_F(NetworkWizardTest, AFailedTestSaysWhyAndThePlayerMayRetryOrGoOn)
{
    const struct Way {
        std::vector<Language::StringsEnum> buttons;
        ContextNetworkWizard::Page page;
    } ways[] = {
        {{Language::BACK}, ContextNetworkWizard::PAGE_INTRO}, // to try again
        {{Language::NEXT}, ContextNetworkWizard::PAGE_COUNTRY},
        {{Language::NEXT, Language::BACK}, ContextNetworkWizard::PAGE_INTRO},
    };
    for (const Way& way : ways) {
        pGlobal->hst.bConnectionTestPassed = true;
        ContextNetworkWizard* wizard = openWizard(UString());
        clickOn(button(wizard, Language::NEXT));
        ASSERT_TRUE(waitFor([&] { return !wizard->isTesting(); }));
        EXPECT_FALSE(pGlobal->hst.bConnectionTestPassed) << "the block holds the latest result";
        for (const char* line : {english(Language::FAILED), "Upload failed: No upload server is configured.",
                                 english(Language::NETTESTFAIL1)})
            EXPECT_TRUE(hasLine(*wizard->pViewer, line)) << line;
        frame();
        EXPECT_FALSE(button(wizard, Language::NEXT)->disabled) << "the player may go on";
        for (const Language::StringsEnum caption : way.buttons) {
            clickOn(button(wizard, caption));
            frame();
        }
        EXPECT_EQ(way.page, wizard->getPage()) << way.buttons.size();
        EXPECT_TRUE(wizard->pViewer->lines.empty()) << way.page;
        wizard->bFinished = true;
        frame();
    }
}

// The ends of the chooser's order too; a code the table lacks is none.
TEST_F(NetworkWizardTest, TheCountryChooserStartsAtTheStoredCountry)
{
    for (const char* code : {"NZ", "AD", "ZW", "xy"}) {
        std::memcpy(pGlobal->hst.countryCode, code, 2);
        ContextNetworkWizard* wizard = openWizard("");
        EXPECT_STREQ(MenuCountry::countryTable[MenuCountry::rowAt(wizard->countryPosition)].code,
                     code[0] == 'x' ? "--" : code);
        wizard->bFinished = true;
        frame();
    }
}

// Escape closes the wizard in the middle of the test; the stored choice of
// full screen is back, and applied.
TEST_F(NetworkWizardTest, TheTestRunsInAWindowWhenAskedAndGivesFullScreenBackWhenClosed)
{
    struct Case { bool bFullScreen, bRunOnDesktop, bFullScreenDuringTest; };
    const Case cases[] = {{true, true, false}, {true, false, true}, {false, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bFullScreen << c.bRunOnDesktop);
        HSTdata& hst = pGlobal->hst;
        hst.bFullScreen = c.bFullScreen;
        pGlobal->applySettings();
        // A server that never answers keeps the test running.
        LoopbackServer server([](const std::string&) { return std::string(); });
        ContextNetworkWizard* wizard = openWizard(server.url());
        if (!c.bRunOnDesktop)
            clickOn(findItem<MenuBool>(wizard, english(Language::RUNTESTONDESKTOP)));
        EXPECT_EQ(wizard->bRunOnDesktop, c.bRunOnDesktop) << "on unless the player turns it off";
        clickOn(button(wizard, Language::NEXT));
        EXPECT_TRUE(wizard->isTesting());
        EXPECT_EQ(hst.bFullScreen, c.bFullScreenDuringTest);
        EXPECT_EQ(pKiv->pGraphics->bFullScreen, c.bFullScreenDuringTest);
        setInput({KEY_ESCAPE});
        frame();
        setInput({});
        frame();
        EXPECT_EQ(top(), nullptr);
        EXPECT_EQ(hst.bFullScreen, c.bFullScreen);
        EXPECT_EQ(pKiv->pGraphics->bFullScreen, c.bFullScreen);
        resetSettings();
    }
}

} // namespace
