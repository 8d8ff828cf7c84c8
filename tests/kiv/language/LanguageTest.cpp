#include "Kiv.h"
#include "KivInput.h"
#include "Language.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

struct Row {
    Language::StringsEnum id;
    int value;
    const char* name;
    std::string english;
};

// Each group's first and last row, the rows that carry glyph bytes, and the
// rows other screens index into arithmetically.
const Row SPOT_ROWS[] = {
    {Language::NULL_, 0, "NULL", ""},
    {Language::LANGUAGENAME, 1, "LANGUAGENAME", "English"},
    {Language::LANGUAGECODEPAGE, 2, "LANGUAGECODEPAGE", ""},
    {Language::THOUSANDSEPARATOR, 3, "THOUSANDSEPARATOR", ","},
    {Language::DECIMALSEPARATOR, 4, "DECIMALSEPARATOR", "."},
    {Language::PLACEHOLDER0, 5, "PLACEHOLDER0", " "},
    {Language::PLACEHOLDER3, 8, "PLACEHOLDER3", " "},
    {Language::DIK_NONE, 9, "DIK_NONE", ""},
    {Language::DIK_UNKNOWN, 10, "DIK_UNKNOWN", "UNKNOWN"},
    {Language::DIK_ESCAPE, 11, "DIK_ESCAPE", "ESC"},
    {Language::DIK_0, 21, "DIK_0", "0"},
    {Language::DIK_BACK, 24, "DIK_BACK", "BACKSPACE"},
    {Language::DIK_RETURN, 38, "DIK_RETURN", "ENTER"},
    {Language::DIK_LMENU, 66, "DIK_LMENU", "LALT"},
    {Language::DIK_F1, 69, "DIK_F1", "F1"},
    {Language::DIK_OEM_102, 94, "DIK_OEM_102", "OEM 102"},
    {Language::DIK_ABNT_C1, 101, "DIK_ABNT_C1", "ABNT C1"},
    {Language::DIK_ABNT_C2, 105, "DIK_ABNT_C2", "ABNT C2"},
    {Language::DIK_RMENU, 128, "DIK_RMENU", "RALT"},
    {Language::DIK_UP, 131, "DIK_UP", std::string(1, '\x05')},
    {Language::DIK_LEFT, 133, "DIK_LEFT", std::string(1, '\x03')},
    {Language::DIK_RIGHT, 134, "DIK_RIGHT", std::string(1, '\x04')},
    {Language::DIK_DOWN, 136, "DIK_DOWN", std::string(1, '\x06')},
    {Language::DIK_MEDIASELECT, 154, "DIK_MEDIASELECT", "MEDIASELECT"},
    {Language::DIK_JOYUP, 155, "DIK_JOYUP", "JOYUP"},
    {Language::DIK_JOYBUTTON7, 166, "DIK_JOYBUTTON7", "JOYBUTTON7"},
    {Language::DIK_JOYBUTTON31, 190, "DIK_JOYBUTTON31", "JOYBUTTON31"},
    {Language::DIK_MOUSEUP, 191, "DIK_MOUSEUP", "MOUSEUP"},
    {Language::DIK_MOUSEBUTTON3, 198, "DIK_MOUSEBUTTON3", "MOUSEBUTTON3"},
    {Language::COUNTRYNONE, 199, "COUNTRYNONE", "not specified"},
    {Language::COUNTRYAF, 200, "COUNTRYAF", "Afghanistan"},
    {Language::COUNTRYBA, 226, "COUNTRYBA", "Bosnia and Herzegowina"},
    {Language::COUNTRYCD, 249, "COUNTRYCD", "Congo, the Democratic Republic of the"},
    {Language::COUNTRYCI, 252, "COUNTRYCI", "Cote d'Ivoire"},
    {Language::COUNTRYIR, 302, "COUNTRYIR", "Iran, Islamic Republic of"},
    {Language::COUNTRYMO, 326, "COUNTRYMO", "Macau"},
    {Language::COUNTRYMK, 327, "COUNTRYMK", "F.Y.R.O.M."},
    {Language::COUNTRYVI, 432, "COUNTRYVI", "Virgin Islands, U.S."},
    {Language::COUNTRYRS, 436, "COUNTRYRS", "Serbia"},
    {Language::COUNTRYME, 437, "COUNTRYME", "Montenegro"},
    {Language::COUNTRYZW, 439, "COUNTRYZW", "Zimbabwe"},
    {Language::CONFIRM, 440, "CONFIRM", "Are you sure?"},
    {Language::BACK, 448, "BACK", "\x09  Back"},
    {Language::NEXT, 449, "NEXT", "Next  \x0a"},
    {Language::CANCEL, 450, "CANCEL", "\x02  Cancel"},
    {Language::QUIT, 453, "QUIT", "\x02  Quit"},
    {Language::STOP, 459, "STOP", "Stop."},
    {Language::HELLO, 465, "HELLO", "Hello, %s!"},
    {Language::WEBSITEHINT, 473, "WEBSITEHINT", "Visit official website"},
    {Language::ENUMDETAIL1, 483, "ENUMDETAIL1", "High"},
    {Language::ENUMVIDEOMODES3, 490, "ENUMVIDEOMODES3", "1024x768"},
    {Language::ENUMSOUNDQUALITY2, 506, "ENUMSOUNDQUALITY2", "Very high"},
    {Language::ENUMSENSITIVITY0, 525, "ENUMSENSITIVITY0", "Minimum"},
    {Language::ENUMSENSITIVITY4, 529, "ENUMSENSITIVITY4", "Maximum"},
    {Language::CHANGELANGUAGE, 530, "CHANGELANGUAGE", "Language"},
    {Language::CHANGELANGUAGETEXT, 531, "CHANGELANGUAGETEXT",
     "Please restart the game|and select your new language."},
    {Language::SELECTYOURCOUNTRY, 545, "SELECTYOURCOUNTRY", "Your country"},
    {Language::CHECKCONNECTION, 551, "CHECKCONNECTION", "Please check your internet connection and try again."},
    {Language::FAILEDWITHCODE, 561, "FAILEDWITHCODE", "Failed with status code: %d"},
    {Language::ONLINEHELPHINT, 570, "ONLINEHELPHINT", "Help on Brightforge studios website (the game will close)"},
    {Language::ERRORREPORTTITLE, 571, "ERRORREPORTTITLE", "Error Reporting"},
    {Language::ERRORREPORTPLEASEWAIT, 578, "ERRORREPORTPLEASEWAIT", "Please wait..."},
    {Language::ERRORSERVERISFULL, 579, "ERRORSERVERISFULL", "Server is full."},
    {Language::ERRORMINVERSIONCLIENT, 581, "ERRORMINVERSIONCLIENT",
     "You need at least version %s of the game (you have %.2lf)."},
    {Language::INVITINGPLAYERS, 593, "INVITINGPLAYERS", "Inviting more players..."},
    {Language::INTRO1, 594, "INTRO1", "Greetings, traveller!"},
    {Language::ENDING16, 622, "ENDING16", ""},
    {Language::GLIMMERDALE, 652, "GLIMMERDALE", "Glimmerdale"},
    {Language::CREDITS, 654, "CREDITS", "Credits"},
    {Language::GAMETYPETIMETRIAL, 661, "GAMETYPETIMETRIAL", "Action"},
    {Language::GAMETYPEPUZZLE, 663, "GAMETYPEPUZZLE", "Puzzle"},
    {Language::GAMETYPEPUZZLEHINT, 669, "GAMETYPEPUZZLEHINT",
     "Solve each puzzle by matching all smileys in one long chain!"},
};

TEST(LanguageTable, SpotRowsHaveTheirValueNameAndEnglishText)
{
    Language language;
    language.setCurrentLanguage(0);
    for (const Row& row : SPOT_ROWS) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value, static_cast<int>(row.id));
        EXPECT_EQ(row.english, std::string(language.getText(row.id)));
        EXPECT_EQ(row.value, language.findIdentifier(row.name));
        EXPECT_EQ(row.english, std::string(language.getTextByString(row.name, true)));
    }
}

TEST(LanguageTable, RunsIndexedByArithmeticLandOnTheirRows)
{
    Language language;
    language.setCurrentLanguage(0);
    auto at = [&](Language::StringsEnum first, int offset) {
        return std::string(language.getText(static_cast<Language::StringsEnum>(first + offset)));
    };
    EXPECT_EQ("not specified", at(Language::COUNTRYNONE, 0));
    EXPECT_EQ("Afghanistan", at(Language::COUNTRYNONE, 1));
    EXPECT_EQ("Zimbabwe", at(Language::COUNTRYNONE, 240));
    EXPECT_EQ("Quest", at(Language::GAMETYPETIMETRIAL, 1));
    EXPECT_EQ("Low", at(Language::ENUMDETAIL0, 0));
    EXPECT_EQ("320x240", at(Language::ENUMVIDEOMODES0, 0));
    EXPECT_EQ("1024x768", at(Language::ENUMVIDEOMODES0, 3));
    EXPECT_EQ("Low", at(Language::ENUMSOUNDQUALITY0, 0));
    EXPECT_EQ("Medium", at(Language::ENUMSENSITIVITY0, 2));
}

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
    EXPECT_EQ(670, Language::STRING_COUNT);
}

TEST(LanguageLookup, NamesMatchExactlyAndUnknownNamesReadEmptyWithoutReport)
{
    Language language;
    language.setCurrentLanguage(0);
    EXPECT_STREQ(",", language.getTextByString("THOUSANDSEPARATOR", false));
    EXPECT_STREQ("not specified", language.getTextByString("COUNTRYNONE", false));
    EXPECT_STREQ("", language.getText(Language::NULL_));
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

TEST(LanguageSelection, TextsReadEnglishBeforeAnyLanguageIsSelected)
{
    Language language;
    EXPECT_EQ(-1, language.getCurrentLanguage());
    EXPECT_STREQ("English", language.getText(Language::LANGUAGENAME));
    EXPECT_STREQ("Yes", language.getTextByString("YES", false));
}

TEST(LanguageSelection, IndexOutsideTheTableSelectsTheDefaultLanguage)
{
    for (int index : {-1, Language::LANGUAGE_MAX, 1000, -1000}) {
        SCOPED_TRACE(index);
        Language language;
        language.setCurrentLanguage(index);
        EXPECT_EQ(Language::DEFAULT_LANGUAGE, language.getCurrentLanguage());
        EXPECT_STREQ("English", language.getText(Language::LANGUAGENAME));
        EXPECT_STREQ("English", language.getTextInLanguage(index, Language::LANGUAGENAME));
    }
}

TEST(LanguageSelection, IdentifierOutsideTheTableReadsEmpty)
{
    Language language;
    language.setCurrentLanguage(0);
    for (int id : {-1, Language::STRING_COUNT, 100000}) {
        SCOPED_TRACE(id);
        EXPECT_STREQ("", language.getText(static_cast<Language::StringsEnum>(id)));
        EXPECT_STREQ("", language.getTextInLanguage(0, static_cast<Language::StringsEnum>(id)));
    }
}

TEST(LanguageSelection, PerLanguageRowsReadByIndex)
{
    Language language;
    EXPECT_STREQ("English", language.getTextInLanguage(0, Language::LANGUAGENAME));
    EXPECT_STREQ("", language.getTextInLanguage(0, Language::LANGUAGECODEPAGE));
}

struct KeyName {
    int code;
    std::string name;
};

const KeyName KEY_NAMES[] = {
    {0, ""},
    {1, "ESC"},
    {2, "1"},
    {14, "BACKSPACE"},
    {28, "ENTER"},
    {56, "LALT"},
    {86, "OEM 102"},
    {87, "F11"},
    {156, "NUMPADENTER"},
    {184, "RALT"},
    {200, std::string(1, '\x05')},
    {203, std::string(1, '\x03')},
    {205, std::string(1, '\x04')},
    {208, std::string(1, '\x06')},
    {237, "MEDIASELECT"},
    {256, "JOYUP"},
    {259, "JOYRIGHT"},
    {272, "JOYBUTTON0"},
    {303, "JOYBUTTON31"},
    {304, "MOUSEUP"},
    {307, "MOUSERIGHT"},
    {308, "MOUSEBUTTON0"},
    {311, "MOUSEBUTTON3"},
    {84, "UNKNOWN-84"},
    {85, "UNKNOWN-85"},
    {238, "UNKNOWN-238"},
    {255, "UNKNOWN-255"},
    {260, "UNKNOWN-260"},
    {271, "UNKNOWN-271"},
};

TEST(LanguageKeyNames, CodesReadTheirNamesOrTheNumberedDefault)
{
    Language language;
    language.setCurrentLanguage(0);
    UString names[KivInput::KEY_COUNT];
    language.fillKeyNames(names);
    for (const KeyName& key : KEY_NAMES)
        EXPECT_EQ(key.name, std::string(names[key.code])) << "code " << key.code;
}

TEST(LanguageKeyNames, OneEmptyNameAndOneHundredTwentyThreeDefaults)
{
    Language language;
    language.setCurrentLanguage(0);
    UString names[KivInput::KEY_COUNT];
    language.fillKeyNames(names);
    int empty = 0;
    int numbered = 0;
    for (int code = 0; code < KivInput::KEY_COUNT; ++code) {
        if (names[code].empty())
            ++empty;
        else if (names[code] == "UNKNOWN-" + std::to_string(code))
            ++numbered;
    }
    EXPECT_EQ(1, empty);
    EXPECT_EQ(123, numbered);
}

TEST(LanguageKeyNames, RefillingRewritesEveryEntryTheSame)
{
    Language language;
    language.setCurrentLanguage(0);
    UString first[KivInput::KEY_COUNT];
    language.fillKeyNames(first);
    UString second[KivInput::KEY_COUNT];
    for (UString& name : second)
        name = "stale";
    language.fillKeyNames(second);
    for (int code = 0; code < KivInput::KEY_COUNT; ++code)
        EXPECT_EQ(first[code], second[code]) << "code " << code;
}

TEST(LanguageEngine, SelectingTheLanguageNamesTheEngineInputCodes)
{
    Kiv* engine = new Kiv();
    ASSERT_NE(nullptr, pKiv->pLanguage);
    EXPECT_EQ("", std::string(pKiv->pInput->keyNames[1]));
    pKiv->pLanguage->setCurrentLanguage(0);
    EXPECT_EQ("ESC", std::string(pKiv->pInput->keyNames[1]));
    EXPECT_EQ("MOUSEBUTTON3", std::string(pKiv->pInput->keyNames[311]));
    EXPECT_EQ("UNKNOWN-260", std::string(pKiv->pInput->keyNames[260]));
    delete engine;
}

} // namespace
