#include "Language.h"

#include <gtest/gtest.h>

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
    }
}

} // namespace
