#include "MemoryIniFile.h"
#include "TestEngine.h"

namespace {

TEST(MemoryIniFile, ParseRules)
{
    MemoryIniFile ini;
    const char text[] = "  [First]  \r\n"
                        "\n"
                        "key=value=with equals\r\n"
                        "\t spaced = padded \n"
                        "[Second]\n"
                        "n=42\n"
                        "yes=Yes\n"
                        "lower=yes\n"
                        "d=2.5\n"
                        "bad=abc\n"
                        "x\n"
                        "=no key\n"
                        "[unclosed\n"
                        "[\n";
    EXPECT_EQ(ini.parse(text, sizeof(text) - 1), 4) << "lines neither a section header nor a key are dropped";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"First", "key", "value=with equals"}, {"First", "spaced ", " padded"}, {"Second", "n", "42"}};
    for (const Case& c : cases)
        EXPECT_EQ(ini.getString(c.section, c.key), c.value) << c.key;
    EXPECT_EQ(ini.getInt("Second", "n"), 42);
    EXPECT_TRUE(ini.getBool("Second", "yes"));
    EXPECT_FALSE(ini.getBool("Second", "lower")) << "only a leading 'Y' is true";
    EXPECT_DOUBLE_EQ(ini.getDouble("Second", "d"), 2.5);
    EXPECT_EQ(ini.getInt("Second", "bad"), 0);
    EXPECT_EQ(ini.getSectionCount(), 2);
    EXPECT_EQ(ini.getSections()[1].entries.size(), 5u) << "the dropped lines add no keys to the section";
}

TEST(MemoryIniFile, HasKeyCreatesTheMissingSection)
{
    MemoryIniFile ini;
    EXPECT_FALSE(ini.hasKey("KivAudio", "bMute"));
    EXPECT_TRUE(ini.hasSection("KivAudio"));
}

TEST(MemoryIniFile, WrittenFileReadsBackTheSame)
{
    TemporaryHome home;
    MemoryIniFile ini;
    ini.setString("Kiv", "warning", "Do NOT modify");
    ini.setInt("Kiv", "n", -7);
    ini.setBool("KivAudio", "bMute", true);
    ini.setDouble("KivAudio", "mixBufferDuration", 0.1);
    EXPECT_EQ(ini.readInt("KivGraphics", "fovWidth", 640), 640);
    EXPECT_EQ(ini.readInt("KivGraphics", "fovWidth", 1), 640) << "a stored value wins over the default";
    std::string path = home.workFolder() + "/x.cfg";
    ASSERT_TRUE(ini.writeFile(path));
    EXPECT_EQ(readWholeFile(path), "[Kiv]\nwarning=Do NOT modify\nn=-7\n\n"
                                   "[KivAudio]\nbMute=Yes\nmixBufferDuration=0.10000000\n\n"
                                   "[KivGraphics]\nfovWidth=640\n\n");
    MemoryIniFile again;
    UString reason;
    ASSERT_EQ(again.readFile(path, 4096, reason), PlayerFileRead::READ);
    EXPECT_EQ(again.toText(), ini.toText());
    EXPECT_EQ(again.readFile(home.workFolder() + "/missing.cfg", 4096, reason), PlayerFileRead::MISSING);
    EXPECT_FALSE(ini.writeFile(home.workFolder() + "/no/such/folder/x.cfg"));
}

TEST(MemoryIniFileDeathTest, MissingKeyIsFatal)
{
    MemoryIniFile ini;
    ini.setInt("S", "a", 1);
    EXPECT_EXIT(ini.getInt("S", "b"), ::testing::ExitedWithCode(255),
                "Key 'b' could not be found in section 'S'\\.\n Function: getString\\(\\)");
}

} // namespace
