// The start-up glue's own fault paths: the web page opened at the end, and
// an exception before the engine exists. (The real program's runs are in
// the shell tests.)
#include "WMhooks.h"

#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, WebPageAddressReachesTheOpenerAsOneArgument)
{
    TemporaryFolder folder("kiv-startup");
    std::string record = folder.path() + "/arguments";
    std::string opener = folder.path() + "/xdg-open";
    writeWholeFile(opener, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >> '" + record + "'\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    std::string previousPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder.path() + ":" + previousPath).c_str(), 1);

    const struct {
        const char* address;
        const char* recorded;
    } cases[] = {
        {"", ""},
        {"http://example.com/a b", "[http://example.com/a b]\n"},
        {"http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"", "[http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"]\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(record);
        openWebPage(c.address);
        EXPECT_EQ(readWholeFile(record), c.recorded) << c.address;
    }
    EXPECT_FALSE(std::filesystem::exists("/tmp/kiv-pwned"));
    setenv("PATH", previousPath.c_str(), 1);
}

TEST(StartupDeathTest, ExceptionBeforeTheEngineExistsEndsWithAMessageOnStandardError)
{
    EXPECT_EXIT(reportUnhandledException(), ::testing::ExitedWithCode(255),
                "\\*\\*\\* ERROR \\*\\*\\* Error: Unhandled exception\\.\n Function: doFrame\\(\\)");
}

} // namespace
