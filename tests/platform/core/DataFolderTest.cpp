#include "DataFolder.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <string>

namespace {

struct Environment { const char* portable; const char* xdg; const char* home; const char* expectedBelow; };

void setOrUnset(const char* name, const char* value)
{
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

TEST(DataFolder, ChoosesTheBaseByEnvironmentAndCreatesIt)
{
    const TemporaryFolder folder("kiv-folder");
    const std::string& root = folder.path();
    std::string portable = root + "/usb", xdg = root + "/xdg", home = root + "/home";
    const Environment cases[] = {
        {portable.c_str(), xdg.c_str(), home.c_str(), "/usb"},
        {"", xdg.c_str(), home.c_str(), "/xdg"},
        {nullptr, xdg.c_str(), home.c_str(), "/xdg"},
        {nullptr, nullptr, home.c_str(), "/home/.local/share"},
        {nullptr, "", home.c_str(), "/home/.local/share"},
        // Relative bases, below the working folder.
        {"usb", xdg.c_str(), home.c_str(), "/usb"},
        {nullptr, "xdg", home.c_str(), "/xdg"},
    };
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(root);
    for (const Environment& c : cases) {
        setOrUnset("U3_APP_DATA_PATH", c.portable);
        setOrUnset("XDG_DATA_HOME", c.xdg);
        setOrUnset("HOME", c.home);
        std::string expected = root + c.expectedBelow + "/Glimmerdaledemo/1.30";
        EXPECT_EQ(getDataFolder(false), expected);
        EXPECT_EQ(getDataFolder(), expected);
        EXPECT_TRUE(std::filesystem::is_directory(expected)) << expected;
    }
    std::filesystem::current_path(working);
}

// Without HOME the account's home holds the folder, wherever the game was
// started (not made here: it is the real one).
TEST(DataFolder, WithoutHomeTheAccountsHomeFromThePasswordDatabaseIsUsed)
{
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    unsetenv("U3_APP_DATA_PATH");
    unsetenv("XDG_DATA_HOME");
    for (const char* home : {static_cast<const char*>(nullptr), ""}) {
        setOrUnset("HOME", home);
        EXPECT_EQ(getDataFolder(false), std::string(account->pw_dir) + "/.local/share/Glimmerdaledemo/1.30");
    }
}

} // namespace
