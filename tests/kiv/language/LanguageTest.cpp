#include "KivInput.h"
#include "Language.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

// The table as data, one row per line of the string table: a loop over it
// compiles in moments where one check per row expanded in place did not.
struct TableRow {
    int value;
    int enumerator;
    const char* name;
};

const TableRow TABLE_ROWS[] = {
#define KIV_STRING(value, identifier, english) {value, Language::identifier, #identifier},
#define KIV_STRING_NAMED(value, identifier, name, english) {value, Language::identifier, name},
#include "LanguageStrings.def"
#undef KIV_STRING
#undef KIV_STRING_NAMED
};

TEST(LanguageTable, EveryNameMapsToItsOwnRowAndEveryTextExists)
{
    Language language;
    for (const TableRow& row : TABLE_ROWS) {
        EXPECT_EQ(row.value, row.enumerator) << row.name;
        EXPECT_EQ(row.value, language.findIdentifier(row.name)) << row.name;
        EXPECT_NE(nullptr, language.getText(static_cast<Language::StringsEnum>(row.value))) << row.name;
    }
    EXPECT_EQ(Language::STRING_COUNT, static_cast<int>(std::size(TABLE_ROWS)));
}

TEST(LanguageLookup, NamesMatchExactlyAndUnknownNamesReadEmptyWithoutReport)
{
    Language language;
    EXPECT_STREQ("Yes", language.getTextByString("YES", false)) << "English before any language is selected";
    for (const char* name : {"thousandseparator", "NULL_", "DIK_", "", "COUNTRYXX"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(-1, language.findIdentifier(name));
        const char* text = language.getTextByString(name, false);
        ASSERT_NE(nullptr, text);
        EXPECT_STREQ("", text);
    }
}

TEST(LanguageLookupDeathTest, UnknownNameWithReportingIsFatal)
{
    Language language;
    language.setCurrentLanguage(0);
    EXPECT_EXIT(language.getTextByString("NOSUCHTEXT", true), ::testing::ExitedWithCode(255),
                "Unknown string identifier 'NOSUCHTEXT'");
}

TEST(LanguageSelection, IndexesOutsideTheTableSelectTheDefaultLanguageAndReadEmptyTexts)
{
    Language language;
    for (int index : {-1, Language::LANGUAGE_MAX, 1000, -1000}) {
        SCOPED_TRACE(index);
        language.setCurrentLanguage(index);
        EXPECT_EQ(Language::DEFAULT_LANGUAGE, language.getCurrentLanguage());
        EXPECT_STREQ("English", language.getText(Language::LANGUAGENAME));
        EXPECT_STREQ("English", language.getTextInLanguage(index, Language::LANGUAGENAME));
    }
    for (int id : {-1, Language::STRING_COUNT, 100000}) {
        SCOPED_TRACE(id);
        EXPECT_STREQ("", language.getText(static_cast<Language::StringsEnum>(id)));
        EXPECT_STREQ("", language.getTextInLanguage(0, static_cast<Language::StringsEnum>(id)));
    }
}

// Every code gets a name, the named ones theirs and the rest a numbered
// default, whatever the array held before (the key-binding item tests see
// the engine's input codes named once a language is selected).
TEST(LanguageKeyNames, CodesReadTheirNamesOrTheNumberedDefault)
{
    struct KeyName {
        int code;
        std::string name;
    };
    const KeyName keys[] = {
        {0, ""},           {1, "ESC"},          {156, "NUMPADENTER"},        {200, std::string(1, '\x05')},
        {256, "JOYUP"},    {303, "JOYBUTTON31"}, {311, "MOUSEBUTTON3"},       {84, "UNKNOWN-84"},
        {255, "UNKNOWN-255"}, {260, "UNKNOWN-260"},
    };
    Language language;
    language.setCurrentLanguage(0);
    UString names[KivInput::KEY_COUNT];
    for (UString& name : names)
        name = "stale";
    language.fillKeyNames(names);
    for (const KeyName& key : keys)
        EXPECT_EQ(key.name, std::string(names[key.code])) << "code " << key.code;
}

} // namespace
