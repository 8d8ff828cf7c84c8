#include "FileTestSupport.h"
#include "MemoryIniFile.h"

namespace {

TEST(MemoryIniFile, ParseRules)
{
    MemoryIniFile ini;
    const char text[] = "  [First]  \r\n"
                        "\n"
                        "key=value=with equals\r\n"
                        "\t spaced = padded \n"
                        "[Second]\n"
                        "n=41\n"
                        "n=42\n"
                        "yes=Yes\n"
                        "lower=yes\n"
                        "d=2.5\n"
                        "bad=abc\n"
                        "x\n"
                        "=no key\n"
                        "[unclosed\n"
                        "[\n"
                        "[]\n"
                        "under=a nameless section\n"
                        "[Second]\n"
                        "bell=\x07ring\n";
    EXPECT_EQ(ini.parse(text, sizeof(text) - 1), 7)
        << "lines neither a section header nor a key are dropped, and so are lines with control bytes, nameless "
           "sections and their keys";
    struct Case { const char* section; const char* key; const char* value; };
    const Case cases[] = {
        {"First", "key", "value=with equals"}, {"First", "spaced ", " padded"}, {"Second", "n", "42"}};
    for (const Case& c : cases)
        EXPECT_EQ(ini.getString(c.section, c.key), c.value) << c.key;
    EXPECT_EQ(ini.getInt("Second", "n"), 42) << "a repeated key keeps its last value";
    EXPECT_TRUE(ini.getBool("Second", "yes"));
    EXPECT_FALSE(ini.getBool("Second", "lower")) << "only a leading 'Y' is true";
    EXPECT_DOUBLE_EQ(ini.getDouble("Second", "d"), 2.5);
    EXPECT_EQ(ini.getInt("Second", "bad"), 0);
    EXPECT_EQ(ini.getSectionCount(), 2);
    EXPECT_EQ(ini.getSections()[1].entries.size(), 5u) << "the dropped lines add no keys to the section";
}

// A setting is read only when its whole value is a number; anything else
// takes the default, which is stored in its place. A number out of the
// working range (here 10..1000) is brought to its nearest end, and a double
// may have an exponent. An on/off setting is read only as Yes or No, and
// takes its default (here Yes) otherwise.
TEST(MemoryIniFile, ASettingIsReadOnlyWhenItsWholeValueIsANumber)
{
    struct Case { const char* written; int intRead; double doubleRead; bool boolRead; };
    const Case cases[] = {
        {"1e9", 50, 1000.0, true}, {"12abc", 50, 50.0, true}, {"0x10", 50, 50.0, true}, {"1.5e1", 50, 15.0, true},
        {"1.5", 50, 10.0, true},   {"inf", 50, 50.0, true},   {"-1e999", 50, 10.0, true}, {"20 20", 50, 50.0, true},
        {"1.", 50, 10.0, true},    {"2e", 50, 50.0, true},    {"Yes", 50, 50.0, true},    {"No", 50, 50.0, false},
        {"no", 50, 50.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        MemoryIniFile ini;
        ini.setString("S", "i", c.written);
        ini.setString("S", "d", c.written);
        ini.setString("S", "b", c.written);
        EXPECT_EQ(ini.readIntInRange("S", "i", 50, 10, 1000), c.intRead);
        EXPECT_EQ(ini.readDoubleInRange("S", "d", 50.0, 10.0, 1000.0), c.doubleRead);
        EXPECT_EQ(ini.readBool("S", "b", true), c.boolRead);
        EXPECT_EQ(ini.getInt("S", "i"), c.intRead) << "stored as read";
        EXPECT_EQ(ini.getDouble("S", "d"), c.doubleRead) << "stored as read";
        EXPECT_EQ(ini.getString("S", "b"), c.boolRead ? "Yes" : "No") << "stored as read";
    }
}

} // namespace
