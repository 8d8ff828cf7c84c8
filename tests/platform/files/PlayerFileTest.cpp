// The disk side of the player's files: a damaged file kept aside without
// removing what stands in its way, and replacing a file through a temporary
// name that nothing planted can redirect.
#include "PlayerFile.h"
#include "ReplaceFile.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(PlayerFile, ADamagedFileIsKeptAsideAndWhatStandsInItsWayStays)
{
    const TemporaryFolder outside("kiv-outside");
    const std::string target = outside.path() + "/target";
    struct Case { const char* what; std::function<void(const std::string& damaged)> inTheWay; const char* keptAs; };
    const Case cases[] = {
        {"nothing", [](const std::string&) {}, ".damaged"},
        {"an older damaged copy", [](const std::string& d) { writeWholeFile(d, "older"); }, ".damaged"},
        {"a folder with a file in it",
         [](const std::string& d) {
             fs::create_directory(d);
             writeWholeFile(d + "/mine", "mine");
         },
         ".damaged.1"},
        {"a link out of the folder", [&](const std::string& d) { fs::create_symlink(target, d); }, ".damaged.1"},
        {"a folder, and a folder at the first number",
         [](const std::string& d) {
             fs::create_directory(d);
             writeWholeFile(d + "/mine", "mine");
             fs::create_directory(d + ".1");
         },
         ".damaged.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TemporaryFolder folder("kiv-player-file");
        const std::string path = folder.path() + "/Glimmerdaledemo.pro";
        writeWholeFile(path, "damaged bytes");
        writeWholeFile(target, "outside");
        c.inTheWay(path + ".damaged");
        UString keptAs, error;
        ASSERT_TRUE(keepDamagedFile(path, keptAs, error)) << error;
        EXPECT_EQ(keptAs, path + c.keptAs);
        EXPECT_EQ(readWholeFile(keptAs), "damaged bytes");
        EXPECT_FALSE(fs::exists(path));
        EXPECT_EQ(readWholeFile(target), "outside");
        if (fs::is_directory(path + ".damaged")) {
            EXPECT_EQ(readWholeFile(path + ".damaged/mine"), "mine");
        }
    }
}

// Names the writer tries first, taken by a link to a file outside the
// folder and by a file the game did not write: the save goes past them,
// touches neither, and the start-up clean-up removes both names without
// following the link, and a crash screenshot's temporary file with them.
TEST(ReplaceFile, PlantedTemporaryNamesRedirectNothingAndStaleOnesAreRemoved)
{
    const TemporaryFolder folder("kiv-replace"), outside("kiv-outside");
    const std::string path = folder.path() + "/Glimmerdaledemo.pro";
    const std::string planted = path + "." + std::to_string(getpid()) + "-";
    const std::string target = outside.path() + "/target";
    writeWholeFile(target, "outside");
    fs::create_symlink(target, planted + "0.tmp");
    writeWholeFile(planted + "1.tmp", "foreign");
    fs::create_directory(planted + "2.tmp");
    writeWholeFile(folder.path() + "/notes.tmp", "notes");
    writeWholeFile(folder.path() + "/crash.Glimmerdaledemo.jpg.4242-0.tmp", "a killed report's");
    writeWholeFile(folder.path() + "/crash.Another.jpg.4242-0.tmp", "another program's");

    UString error;
    ASSERT_TRUE(replaceFile(path, {'n', 'e', 'w'}, error)) << error;
    EXPECT_EQ(readWholeFile(path), "new");
    EXPECT_EQ(readWholeFile(target), "outside");
    EXPECT_EQ(readWholeFile(planted + "1.tmp"), "foreign");

    EXPECT_EQ(removeStaleTemporaryFiles(folder.path(), "Glimmerdaledemo"), 3);
    EXPECT_FALSE(fs::exists(folder.path() + "/crash.Glimmerdaledemo.jpg.4242-0.tmp"));
    EXPECT_EQ(readWholeFile(folder.path() + "/crash.Another.jpg.4242-0.tmp"), "another program's");
    EXPECT_FALSE(fs::exists(fs::symlink_status(planted + "0.tmp")));
    EXPECT_FALSE(fs::exists(planted + "1.tmp"));
    EXPECT_TRUE(fs::is_directory(planted + "2.tmp")) << "a folder is never removed";
    EXPECT_EQ(readWholeFile(target), "outside");
    EXPECT_EQ(readWholeFile(path), "new");
    EXPECT_EQ(readWholeFile(folder.path() + "/notes.tmp"), "notes");
}

} // namespace
