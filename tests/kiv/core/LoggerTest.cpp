#include "Logger.h"
#include "TestEngine.h"

#include <SDL/SDL.h>

#include <regex>

namespace {

TEST(Logger, LinePrefixes)
{
    TemporaryHome home;
    std::string path = home.workFolder() + "/test.log";
    {
        Logger logger(path);
        SDL_Delay(30);
        logger.log("%s(): %s", "first", "after a pause");
        logger.log("%s(): %s", "second", "at once");
        logger.log("no function %d", 5);
    }
    std::string text = readWholeFile(path);
    std::regex expected("\tLogger\\(\\): Starting\\.\\.\\.\n"
                        "\tLogger\\(\\): Started\\.\n"
                        "\\+([0-9]+)\tfirst\\(\\): after a pause\n"
                        "(\\+[0-9]+)?\tsecond\\(\\): at once\n"
                        "(\\+[0-9]+)?\tno function 5\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(text, match, expected)) << text;
    EXPECT_GE(std::stoi(match[1]), 30);
}

TEST(Logger, KivLogFormatsLabelAndMessage)
{
    TemporaryHome home;
    Kiv* engine = new Kiv();
    kivLog("windowFocusLost", "%s", "Window focus lost.");
    KIV_LOG("value %d", 42);
    delete engine;
    std::string log = readWholeFile(home.dataFolder() + "/Glimmerdaledemo.log");
    EXPECT_TRUE(std::regex_search(log, std::regex("\n(\\+[0-9]+)?\twindowFocusLost\\(\\): Window focus lost\\.\n"))) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\n(\\+[0-9]+)?\tTestBody\\(\\): value 42\n"))) << log;
}

TEST(Logger, NothingIsWrittenWithoutAFileAndKeepAsRenames)
{
    TemporaryHome home;
    Logger nowhere("");
    EXPECT_FALSE(nowhere.isOpen());
    nowhere.log("dropped");
    Logger unwritable(home.workFolder() + "/missing/folder/x.log");
    EXPECT_FALSE(unwritable.isOpen());

    std::string path = home.workFolder() + "/run.log";
    std::string kept = home.workFolder() + "/crash.log";
    Logger logger(path);
    logger.log("line");
    logger.keepAs(kept);
    logger.log("after keepAs");
    EXPECT_FALSE(std::filesystem::exists(path));
    std::string text = readWholeFile(kept);
    EXPECT_NE(text.find("line\n"), std::string::npos);
    EXPECT_EQ(text.find("after keepAs"), std::string::npos);
}

} // namespace
