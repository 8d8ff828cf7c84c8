#include "Language.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

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

// Choosers show the text of their run's first identifier plus their value,
// and the dialogs' buttons are told apart only by their words.
TEST(LanguageLookup, RunsReadTheirTextsInValueOrder)
{
    const struct {
        Language::StringsEnum first;
        std::vector<std::string> texts;
    } runs[] = {
        {Language::ENUMDETAIL0, {"Low", "High"}},
        {Language::ENUMVIDEOMODES0, {"320x240", "640x480", "800x600", "1024x768"}},
        {Language::ENUMSOUNDQUALITY0, {"Low", "High", "Very high"}},
        {Language::ENUMSENSITIVITY0, {"Minimum", "Low", "Medium", "High", "Maximum"}},
        {Language::GAMETYPETIMETRIAL, {"Action", "Quest", "Puzzle"}},
        // The country run's start, its rows 120 to 123 and 236 to its end.
        {Language::COUNTRYNONE, {"not specified", "Afghanistan"}},
        {static_cast<Language::StringsEnum>(Language::COUNTRYNONE + 120),
         {"Lebanon", "Lesotho", "Liberia", "Libyan Arab Jamahiriya"}},
        {static_cast<Language::StringsEnum>(Language::COUNTRYNONE + 236),
         {"Yemen", "Serbia", "Montenegro", "Zambia", "Zimbabwe"}},
        {Language::CONFIRM, {"Are you sure?", "Yes", "No", "OK", "Done", "Apply", "Off", "On"}},
    };
    Language language;
    language.setCurrentLanguage(0);
    for (const auto& run : runs)
        for (size_t value = 0; value < run.texts.size(); ++value)
            EXPECT_EQ(run.texts[value], language.getText(static_cast<Language::StringsEnum>(run.first + value)))
                << "value " << value << " of the run from identifier " << run.first;
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

// The codes without a name of their own, as ranges: the keyboard's gaps
// between DirectInput's scan codes and the unassigned joystick codes. Every
// other code names the next key-name identifier, in ascending code order.
TEST(LanguageKeyNames, EveryNamedCodeReadsTheNextKeyNameInCodeOrder)
{
    const std::pair<int, int> unnamed[] = {
        {84, 85},   {89, 99},   {103, 111}, {113, 114}, {116, 120}, {122, 122}, {124, 124},
        {127, 140}, {142, 143}, {152, 152}, {154, 155}, {158, 159}, {163, 163}, {165, 173},
        {175, 175}, {177, 177}, {180, 180}, {182, 182}, {185, 196}, {198, 198}, {202, 202},
        {204, 204}, {206, 206}, {212, 218}, {224, 226}, {228, 228}, {238, 255}, {260, 271},
    };
    Language language;
    language.setCurrentLanguage(0);
    UString names[KivInput::KEY_COUNT];
    language.fillKeyNames(names);
    int next = Language::DIK_ESCAPE;
    const std::pair<int, int>* gap = unnamed;
    for (int code = 1; code < KivInput::KEY_COUNT; ++code) {
        if (gap != std::end(unnamed) && code > gap->second)
            ++gap;
        if (gap != std::end(unnamed) && code >= gap->first) {
            EXPECT_EQ("UNKNOWN-" + std::to_string(code), std::string(names[code])) << "code " << code;
            continue;
        }
        const Language::StringsEnum id = static_cast<Language::StringsEnum>(next++);
        EXPECT_EQ(std::string(language.getText(id)), std::string(names[code]))
            << "code " << code << " should read identifier " << id;
    }
    EXPECT_EQ(Language::DIK_MOUSEBUTTON3 + 1, next) << "every key-name identifier names one code";
}

} // namespace
