// The start-up glue's own fault paths: the web page opened at the end, and
// an exception before the engine exists. (The real program's runs are in
// the shell tests.)
#include "WMhooks.h"

#include "StandInOpener.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, WebPageAddressReachesTheOpenerAsOneArgument)
{
    StandInOpener opener;
    const struct {
        const char* address;
        const char* recorded;
    } cases[] = {
        {"", ""},
        {"http://example.com/a b", "[http://example.com/a b]\n"},
        {"http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"", "[http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"]\n"},
    };
    for (const auto& c : cases) {
        opener.forget();
        openWebPage(c.address);
        EXPECT_EQ(opener.calls(), c.recorded) << c.address;
    }
    EXPECT_FALSE(std::filesystem::exists("/tmp/kiv-pwned"));
}

TEST(StartupDeathTest, ExceptionBeforeTheEngineExistsEndsWithAMessageOnStandardError)
{
    EXPECT_EXIT(reportUnhandledException(), ::testing::ExitedWithCode(255),
                "\\*\\*\\* ERROR \\*\\*\\* Error: Unhandled exception\\.\n Function: doFrame\\(\\)");
}

} // namespace
