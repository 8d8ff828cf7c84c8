#include "DataFolder.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
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

// The password database as this program sees it: getpwuid below takes the
// place of the C library's for the platform library, which is linked in
// statically. While a row is set, the account's entry has the row's home, or
// there is none and errno says why; otherwise the real database answers.
struct AccountRow { const char* home; int error; const char* expectedFolder; const char* expectedFailure; };
const AccountRow* accountRow = nullptr;

} // namespace

extern "C" passwd* getpwuid(uid_t uid)
{
    if (!accountRow) {
        using Lookup = passwd* (*)(uid_t);
        static const Lookup real = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getpwuid"));
        return real(uid);
    }
    static passwd entry;
    if (!accountRow->home) {
        errno = accountRow->error;
        return nullptr;
    }
    entry = passwd();
    entry.pw_dir = const_cast<char*>(accountRow->home);
    return &entry;
}

namespace {

// Without HOME the account's home holds the folder, wherever the game was
// started; a relative home would name a different folder from each start
// folder, so it counts as none, and a lookup that fails says so.
TEST(DataFolder, WithoutHomeTheAccountsHomeFromThePasswordDatabaseIsUsed)
{
    const TemporaryFolder folder("kiv-account");
    const std::string home = folder.path() + "/home";
    const std::string below = home + "/.local/share/Glimmerdaledemo/1.30";
    const std::string failed =
        std::string("the account's home folder could not be looked up (") + std::strerror(EIO) + ")";
    const char* unknown = "no home folder is known for this account";
    const AccountRow rows[] = {
        {home.c_str(), 0, below.c_str(), nullptr},
        {"/", 0, "/.local/share/Glimmerdaledemo/1.30", nullptr},
        {"home", 0, "", unknown},
        {nullptr, 0, "", unknown},
        {nullptr, ENOENT, "", unknown},
        {nullptr, EIO, "", failed.c_str()},
    };
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    unsetenv("U3_APP_DATA_PATH");
    unsetenv("XDG_DATA_HOME");
    for (const AccountRow& row : rows) {
        accountRow = &row;
        for (const char* variable : {static_cast<const char*>(nullptr), ""}) {
            setOrUnset("HOME", variable);
            EXPECT_EQ(std::string(getDataFolder(false)), row.expectedFolder) << (row.home ? row.home : "no entry");
            // Only a row that finds no folder may settle it: a settled folder
            // stays for the rest of this program.
            if (row.expectedFailure) {
                UString failure;
                EXPECT_EQ(std::string(settleDataFolder(failure)), "");
                EXPECT_EQ(std::string(failure), row.expectedFailure) << (row.home ? row.home : "no entry");
            }
        }
    }
    accountRow = nullptr;
    std::filesystem::current_path(working);
}

} // namespace
