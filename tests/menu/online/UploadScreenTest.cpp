#include "OnlineTestSupport.h"

#include "ContextErrorReport.h"
#include "ContextNetworkWizard.h"
#include "ContextScoreUpload.h"
#include "ErrorManager.h"
#include "MultipartForm.h"
#include "PackedFile.h"
#include "RenderableText.h"
#include "WholeFile.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using namespace onlinetest;

bool showsText(KivBase* shown, const std::string& line)
{
    for (RenderableText* text : all<RenderableText>(shown))
        if (text->text == line && !text->bDead)
            return true;
    return false;
}

class UploadScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        pGlobal->hst.bConnectionTestPassed = true;
        ContextErrorReport::removeCrashFiles();
    }
    void TearDown() override
    {
        ContextErrorReport::removeCrashFiles();
        pGlobal->hst.bConnectionTestPassed = false;
        ScreenTest::TearDown();
    }
    static void writeCrashFiles()
    {
        writeWholeFile(ErrorManager::getCrashLogPath(), "line 1\nError: it broke\n");
        writeWholeFile(ErrorManager::getCrashScreenshotPath(), std::string("\xff\xd8 jpeg \0 bytes", 15));
    }
    // Clicks the button and waits for the upload to end.
    void send(ContextUploadOffer* shown)
    {
        clickOn(findItem(shown, english(Language::OK)));
        ASSERT_TRUE(waitFor([&] { return shown->getState() != ContextUploadOffer::STATE_SENDING; }));
    }
};

TEST_F(UploadScreenTest, CrashReportSendsTheLogAndScreenshotThenRemovesThem)
{
    writeWholeFile(ErrorManager::getCrashLogPath(), "");
    EXPECT_FALSE(ContextErrorReport::crashLogExists()) << "an empty log is not offered";
    writeCrashFiles();
    // The answer waits until the screen has been seen sending: on a busy
    // machine the upload could otherwise end before the first look.
    std::atomic<bool> bAnswer{false};
    LoopbackServer server([&bAnswer](const std::string&) {
        for (int ms = 0; ms < 10000 && !bAnswer; ++ms)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return LoopbackServer::reply(200, "stored");
    });
    ContextErrorReport* shown = openSending(new ContextErrorReport(), server.url());
    EXPECT_FALSE(showsText(shown, english(Language::ERRORREPORTWIZARD1))) << "the test has passed";
    clickOn(findItem(shown, english(Language::OK)));
    const MenuButton* ok = findItem(shown, english(Language::OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->disabled) << "one upload at a time";
    // 23 bytes of log and 15 of screenshot.
    EXPECT_TRUE(hasLine(*shown->pViewer, "Uploading error data (38 bytes)."));
    bAnswer = true;
    ASSERT_TRUE(waitFor([&] { return shown->getState() != ContextUploadOffer::STATE_SENDING; }));
    EXPECT_EQ(ContextUploadOffer::STATE_SENT, shown->getState());
    EXPECT_TRUE(hasLine(*shown->pViewer, english(Language::SUCCESS)));
    ASSERT_EQ(1u, server.requests().size());
    const std::string request = server.requests()[0];
    EXPECT_EQ("crashreport", formField(request, "request"));
    EXPECT_EQ("line 1\nError: it broke\n", formField(request, "log"));
    EXPECT_EQ(std::string("\xff\xd8 jpeg \0 bytes", 15), formField(request, "screenshot"));
    EXPECT_FALSE(ContextErrorReport::crashLogExists());
    EXPECT_FALSE(std::filesystem::exists(ErrorManager::getCrashScreenshotPath()));
    frame();
    clickOn(findItem(shown, english(Language::DONE)));
    frame();
    EXPECT_EQ(nullptr, top());
}

TEST_F(UploadScreenTest, AnOverlongCrashLogIsSentFromItsEnd)
{
    const std::string start(ContextErrorReport::MAX_LOG_BYTES, 's');
    writeWholeFile(ErrorManager::getCrashLogPath(), start + "Error: at the end\n");
    MultipartForm form;
    size_t bytes = 0;
    ASSERT_TRUE(ContextErrorReport::buildForm(form, 7, bytes));
    const std::string log = formField(form.getBody(), "log");
    EXPECT_EQ(bytes, ContextErrorReport::MAX_LOG_BYTES) << "no screenshot";
    EXPECT_EQ(log, start.substr(18) + "Error: at the end\n");
}

TEST_F(UploadScreenTest, AFailedReportSaysWhyStaysUsableAndIsOfferedAgainNextTime)
{
    struct FailureCase { const char* name; std::string answer; const char* message; };
    const FailureCase cases[] = {
        {"ErrorStatus", LoopbackServer::reply(500, "oops"), "Failed with status code: 500"},
        // No answer at all.
        {"NoAnswerInTime", "", "Upload failed: the server did not answer in time."},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeCrashFiles();
        LoopbackServer server(LoopbackServer::always(c.answer));
        ContextErrorReport* shown = openSending(new ContextErrorReport(), server.url());
        shown->timeLimit = 0.5;
        send(shown);
        EXPECT_EQ(ContextUploadOffer::STATE_FAILED, shown->getState());
        EXPECT_TRUE(hasLine(*shown->pViewer, c.message));
        EXPECT_TRUE(hasLine(*shown->pViewer, english(Language::CHECKCONNECTION)));
        EXPECT_FALSE(findItem(shown, english(Language::OK))->disabled) << "the player may try again";
        clickOn(findItem(shown, english(Language::CANCEL)));
        frame();
        EXPECT_TRUE(ContextErrorReport::crashLogExists()) << "kept for the next start";
    }
}

// The offer comes back ready to send when the wizard passes its test.
TEST_F(UploadScreenTest, WithoutAPassedTestTheOfferSendsThePlayerToTheWizardFirstAndDecliningRemovesTheReport)
{
    writeCrashFiles();
    pGlobal->hst.bConnectionTestPassed = false;
    ContextErrorReport* shown = openSending(new ContextErrorReport(), "http://127.0.0.1:1/report");
    EXPECT_TRUE(showsText(shown, english(Language::ERRORREPORTWIZARD1)));
    clickOn(findItem(shown, english(Language::OK)));
    EXPECT_EQ(shown->getState(), ContextUploadOffer::STATE_OFFER) << "sending waits for a passed test";
    clickOn(findItem(shown, english(Language::NETWORKWIZARDDOTS)));
    frame();
    ASSERT_NE(dynamic_cast<ContextNetworkWizard*>(top()), nullptr);
    pGlobal->hst.bConnectionTestPassed = true;
    top()->bFinished = true;
    frame();
    frame();
    EXPECT_FALSE(showsText(shown, english(Language::ERRORREPORTWIZARD1)));
    EXPECT_FALSE(findItem(shown, english(Language::OK))->disabled);
    EXPECT_EQ(findItem(shown, english(Language::NETWORKWIZARDDOTS)), nullptr);
    clickOn(findItem(shown, english(Language::CANCEL)));
    frame();
    EXPECT_EQ(top(), nullptr);
    EXPECT_FALSE(ContextErrorReport::crashLogExists());
    EXPECT_FALSE(std::filesystem::exists(ErrorManager::getCrashScreenshotPath()));
}

// Before a connection test has passed, each offer asks for the network
// wizard in a whole sentence: in its lines and in the hint of the send
// button it keeps disabled.
TEST_F(UploadScreenTest, WithoutAPassedTestEachOfferAsksForTheWizardInAWholeSentence)
{
    writeCrashFiles();
    pGlobal->hst.bConnectionTestPassed = false;
    const std::string NEED_THE_WIZARD = "you'll need to run the network wizard first.";
    const struct {
        std::function<ContextUploadOffer*()> open;
        std::string firstHalf;
    } rows[] = {
        {[] { return new ContextErrorReport(); }, "Before your error can be reported,"},
        {[] { return new ContextScoreUpload(); }, "Before your scores can be uploaded,"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.firstHalf);
        ContextUploadOffer* shown = openSending(row.open(), "http://127.0.0.1:1/upload");
        EXPECT_TRUE(showsText(shown, row.firstHalf));
        EXPECT_TRUE(showsText(shown, NEED_THE_WIZARD));
        const MenuButton* send = findItem(shown, english(Language::OK));
        ASSERT_NE(send, nullptr);
        EXPECT_TRUE(send->disabled);
        EXPECT_EQ(send->disabledText, row.firstHalf + " " + NEED_THE_WIZARD);
        clickOn(findItem(shown, english(Language::CANCEL)));
        frame();
    }
}

TEST_F(UploadScreenTest, ScoreUploadSendsTheBlockAsSavedOnDiskJustBefore)
{
    LoopbackServer server(LoopbackServer::always(LoopbackServer::reply(200)));
    const int32_t savedFps = pGlobal->hst.maxFps;
    const uint32_t savedId = pGlobal->hst.installationId;
    pGlobal->hst.maxFps = 55;
    pGlobal->hst.installationId = 0x00012345;
    std::memcpy(pGlobal->hst.countryCode, "NZ", 2);
    ContextScoreUpload* shown = openSending(new ContextScoreUpload(), server.url());
    send(shown);
    EXPECT_EQ(ContextUploadOffer::STATE_SENT, shown->getState());
    ASSERT_EQ(1u, server.requests().size());
    const std::string request = server.requests()[0];
    EXPECT_EQ("highscores", formField(request, "request"));
    EXPECT_EQ("NZ", formField(request, "country"));
    EXPECT_EQ("Glimmerdaledemo", formField(request, "application"));
    EXPECT_EQ("1.30", formField(request, "version"));
    EXPECT_EQ("00012345", formField(request, "installation")) << "always eight hexadecimal digits";
    const std::string sent = formField(request, "hst");
    HSTdata block;
    UString error;
    ASSERT_TRUE(PackedFile::unpack(reinterpret_cast<const unsigned char*>(sent.data()), sent.size(),
                                   "Glimmerdaledemo.hst", "1.30", &block, HSTdata::FILE_SIZE, error))
        << error;
    EXPECT_EQ(55, block.maxFps) << "the block as it stands when sent";
    EXPECT_EQ(0, std::memcmp(&block, &pGlobal->hst, HSTdata::FILE_SIZE)) << "every byte of it";
    pGlobal->hst.maxFps = savedFps;
    pGlobal->hst.installationId = savedId;
    std::memcpy(pGlobal->hst.countryCode, "--", 2);
}

} // namespace
