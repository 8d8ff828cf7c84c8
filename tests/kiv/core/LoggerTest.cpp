#include "Logger.h"
#include "TestEngine.h"

namespace {

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
