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

} // namespace
