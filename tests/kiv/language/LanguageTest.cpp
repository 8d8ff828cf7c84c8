#include "Language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The index comes from a configuration file the player may have edited.
TEST(LanguageSelection, IndexesOutsideTheTableSelectTheDefaultLanguageAndReadEmptyTexts)
{
    Language language;
    for (int index : {-1, Language::LANGUAGE_MAX}) {
        language.setCurrentLanguage(index);
        EXPECT_EQ(Language::DEFAULT_LANGUAGE, language.getCurrentLanguage()) << index;
        EXPECT_STREQ("English", language.getTextInLanguage(index, Language::LANGUAGENAME)) << index;
    }
    for (int id : {-1, Language::STRING_COUNT}) {
        EXPECT_STREQ("", language.getText(static_cast<Language::StringsEnum>(id))) << id;
        EXPECT_STREQ("", language.getTextInLanguage(0, static_cast<Language::StringsEnum>(id))) << id;
    }
}

// Names match exactly, case and all; the enumerator spelling of "NULL" is no
// name. An unknown name reads "" (never null) and has no value.
TEST(LanguageLookup, NamesReadTheirValueAndTextAndUnknownNamesReadEmpty)
{
    const struct {
        const char* name;
        int value;
        const char* text;
    } rows[] = {
        {"NULL", 0, ""},           {"LANGUAGENAME", 1, "English"}, {"THOUSANDSEPARATOR", 3, ","},
        {"DIK_RETURN", 38, "ENTER"}, {"thousandseparator", -1, ""}, {"NULL_", -1, ""},
        {"", -1, ""},
    };
    Language language;
    for (const auto& row : rows) {
        EXPECT_EQ(row.value, language.findIdentifier(row.name)) << row.name;
        const char* text = language.getTextByString(row.name, false);
        ASSERT_NE(nullptr, text) << row.name;
        EXPECT_STREQ(row.text, text) << row.name;
    }
}

TEST(LanguageLookupDeathTest, UnknownNameWithReportingIsFatal)
{
    Language language;
    EXPECT_EXIT(language.getTextByString("NOSUCHTEXT", true), ::testing::ExitedWithCode(255),
                "Unknown string identifier 'NOSUCHTEXT'");
}

// Every one of the 312 codes is rewritten: code 0 empty, the named ones
// their text, the rest "UNKNOWN-" and the code.
TEST(LanguageKeyNames, CodesReadTheirNamesOrTheNumberedDefault)
{
    const std::pair<int, std::string> keys[] = {
        {0, ""},           {1, "ESC"},          {28, "ENTER"},        {200, "\x05"},
        {237, "MEDIASELECT"}, {256, "JOYUP"},    {272, "JOYBUTTON0"},  {303, "JOYBUTTON31"},
        {304, "MOUSEUP"},  {311, "MOUSEBUTTON3"}, {84, "UNKNOWN-84"},  {255, "UNKNOWN-255"},
        {260, "UNKNOWN-260"}, {271, "UNKNOWN-271"},
    };
    Language language;
    language.setCurrentLanguage(0);
    UString names[KivInput::KEY_COUNT];
    for (UString& name : names)
        name = "stale";
    language.fillKeyNames(names);
    for (const auto& [code, name] : keys)
        EXPECT_EQ(name, std::string(names[code])) << "code " << code;
}

} // namespace
