#include "KivInput.h"
#include "Language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LanguageSelection, IndexesOutsideTheTableSelectTheDefaultLanguageAndReadEmptyTexts)
{
    Language language;
    for (int index : {-1, Language::LANGUAGE_MAX}) {
        SCOPED_TRACE(index);
        language.setCurrentLanguage(index);
        EXPECT_EQ(Language::DEFAULT_LANGUAGE, language.getCurrentLanguage());
        EXPECT_STREQ("English", language.getText(Language::LANGUAGENAME));
        EXPECT_STREQ("English", language.getTextInLanguage(index, Language::LANGUAGENAME));
    }
    for (int id : {-1, Language::STRING_COUNT}) {
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
    struct KeyName { int code; std::string name; };
    const KeyName keys[] = {
        {0, ""}, {1, "ESC"}, {200, std::string(1, '\x05')}, {303, "JOYBUTTON31"}, {84, "UNKNOWN-84"}, {260, "UNKNOWN-260"},
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
