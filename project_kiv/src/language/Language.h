#pragma once
// Language: the string table. Every text the player sees (captions, hints,
// dialog words, key and country names, network messages, credits) is fetched
// by a StringsEnum identifier in the current language. The texts of every
// language are compiled in; only English exists (LANGUAGE_MAX 1). The engine
// object owns the one instance: it builds it last among its services and
// deletes it first. The loader selects the language once, at the end of
// loading, which also names the input codes for the key-binding items.
// Main thread only; after the selection the table is read-only.
#include "KivInput.h"
#include "UString.h"

#include <cstdint>
#include <unordered_map>

class Language {
public:
    // Values are an interface: screens index runs of them arithmetically
    // (COUNTRYNONE + country, ENUMVIDEOMODES0 + mode, GAMETYPETIMETRIAL +
    // type).
    enum StringsEnum {
#define KIV_STRING(value, identifier, english) identifier = value,
#define KIV_STRING_NAMED(value, identifier, name, english) identifier = value,
#include "LanguageStrings.def"
#undef KIV_STRING
#undef KIV_STRING_NAMED
    };

    static constexpr int STRING_COUNT = GAMETYPEPUZZLEHINT + 1;
    static constexpr int LANGUAGE_MAX = 1;
    static constexpr int DEFAULT_LANGUAGE = 0;

    // Builds the whole table; a text missing from any language is fatal.
    Language();
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // The text of id in the current language; English until a language is
    // selected. Never null: an id outside the table reads "".
    const char* getText(StringsEnum id) const
    {
        return static_cast<unsigned>(id) < static_cast<unsigned>(STRING_COUNT) ? pCurrentTexts[id] : "";
    }
    // The text of id in the given language regardless of the current one
    // (the language choice screen shows each language's own LANGUAGENAME);
    // a language index outside the table reads the default language.
    const char* getTextInLanguage(int language, StringsEnum id) const;
    // The text of the identifier called name (exact, case-sensitive). An
    // unknown name is fatal with bReportError, else it reads "".
    const char* getTextByString(const char* name, bool bReportError) const;
    // The value of the identifier called name, or -1 when there is none.
    int findIdentifier(const char* name) const;

    // Makes language current and rewrites every name of pKiv->pInput's
    // keyNames in it. An index outside the table selects DEFAULT_LANGUAGE.
    void setCurrentLanguage(int language);
    // -1 until setCurrentLanguage has run.
    int getCurrentLanguage() const { return currentLanguage; }
    // Fills all 312 input code names from the current language: code 0 is
    // empty, codes with an identifier read its text, the others read the
    // DIK_UNKNOWN text, a minus sign and the code ("UNKNOWN-84").
    void fillKeyNames(UString (&keyNames)[KivInput::KEY_COUNT]) const;

private:
    const char* texts[LANGUAGE_MAX][STRING_COUNT] = {};
    std::unordered_map<UString, int32_t> identifiers;
    int currentLanguage = -1;
    // The row getText reads: the current language's, or the default one's
    // before any selection.
    const char* const* pCurrentTexts;
};
