#include "Language.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "Logger.h"

#include <cstddef>
#include <iterator>

namespace {

struct StringRow {
    int value;
    const char* name;
    const char* english;
};

constexpr StringRow STRING_ROWS[] = {
#define KIV_STRING(value, identifier, english) {value, #identifier, english},
#define KIV_STRING_NAMED(value, identifier, name, english) {value, name, english},
#include "LanguageStrings.def"
#undef KIV_STRING
#undef KIV_STRING_NAMED
};

constexpr bool rowsInValueOrder()
{
    for (size_t i = 0; i < std::size(STRING_ROWS); ++i) {
        if (STRING_ROWS[i].value != static_cast<int>(i))
            return false;
    }
    return true;
}

static_assert(std::size(STRING_ROWS) == Language::STRING_COUNT, "one row per identifier");
static_assert(rowsInValueOrder(), "rows must stand in value order with no gap");

struct NamedKeyCode {
    Language::StringsEnum id;
    int code;
};

// The input codes that have a name of their own: keyboard keys by DirectInput
// scan code, then joystick and mouse directions and buttons. Their
// identifiers stand consecutively in the same order.
constexpr NamedKeyCode NAMED_KEY_CODES[] = {
    {Language::DIK_ESCAPE, 0x01},
    {Language::DIK_1, 0x02},
    {Language::DIK_2, 0x03},
    {Language::DIK_3, 0x04},
    {Language::DIK_4, 0x05},
    {Language::DIK_5, 0x06},
    {Language::DIK_6, 0x07},
    {Language::DIK_7, 0x08},
    {Language::DIK_8, 0x09},
    {Language::DIK_9, 0x0A},
    {Language::DIK_0, 0x0B},
    {Language::DIK_MINUS, 0x0C},
    {Language::DIK_EQUALS, 0x0D},
    {Language::DIK_BACK, 0x0E},
    {Language::DIK_TAB, 0x0F},
    {Language::DIK_Q, 0x10},
    {Language::DIK_W, 0x11},
    {Language::DIK_E, 0x12},
    {Language::DIK_R, 0x13},
    {Language::DIK_T, 0x14},
    {Language::DIK_Y, 0x15},
    {Language::DIK_U, 0x16},
    {Language::DIK_I, 0x17},
    {Language::DIK_O, 0x18},
    {Language::DIK_P, 0x19},
    {Language::DIK_LBRACKET, 0x1A},
    {Language::DIK_RBRACKET, 0x1B},
    {Language::DIK_RETURN, 0x1C},
    {Language::DIK_LCONTROL, 0x1D},
    {Language::DIK_A, 0x1E},
    {Language::DIK_S, 0x1F},
    {Language::DIK_D, 0x20},
    {Language::DIK_F, 0x21},
    {Language::DIK_G, 0x22},
    {Language::DIK_H, 0x23},
    {Language::DIK_J, 0x24},
    {Language::DIK_K, 0x25},
    {Language::DIK_L, 0x26},
    {Language::DIK_SEMICOLON, 0x27},
    {Language::DIK_APOSTROPHE, 0x28},
    {Language::DIK_GRAVE, 0x29},
    {Language::DIK_LSHIFT, 0x2A},
    {Language::DIK_BACKSLASH, 0x2B},
    {Language::DIK_Z, 0x2C},
    {Language::DIK_X, 0x2D},
    {Language::DIK_C, 0x2E},
    {Language::DIK_V, 0x2F},
    {Language::DIK_B, 0x30},
    {Language::DIK_N, 0x31},
    {Language::DIK_M, 0x32},
    {Language::DIK_COMMA, 0x33},
    {Language::DIK_PERIOD, 0x34},
    {Language::DIK_SLASH, 0x35},
    {Language::DIK_RSHIFT, 0x36},
    {Language::DIK_MULTIPLY, 0x37},
    {Language::DIK_LMENU, 0x38},
    {Language::DIK_SPACE, 0x39},
    {Language::DIK_CAPITAL, 0x3A},
    {Language::DIK_F1, 0x3B},
    {Language::DIK_F2, 0x3C},
    {Language::DIK_F3, 0x3D},
    {Language::DIK_F4, 0x3E},
    {Language::DIK_F5, 0x3F},
    {Language::DIK_F6, 0x40},
    {Language::DIK_F7, 0x41},
    {Language::DIK_F8, 0x42},
    {Language::DIK_F9, 0x43},
    {Language::DIK_F10, 0x44},
    {Language::DIK_NUMLOCK, 0x45},
    {Language::DIK_SCROLL, 0x46},
    {Language::DIK_NUMPAD7, 0x47},
    {Language::DIK_NUMPAD8, 0x48},
    {Language::DIK_NUMPAD9, 0x49},
    {Language::DIK_SUBTRACT, 0x4A},
    {Language::DIK_NUMPAD4, 0x4B},
    {Language::DIK_NUMPAD5, 0x4C},
    {Language::DIK_NUMPAD6, 0x4D},
    {Language::DIK_ADD, 0x4E},
    {Language::DIK_NUMPAD1, 0x4F},
    {Language::DIK_NUMPAD2, 0x50},
    {Language::DIK_NUMPAD3, 0x51},
    {Language::DIK_NUMPAD0, 0x52},
    {Language::DIK_DECIMAL, 0x53},
    {Language::DIK_OEM_102, 0x56},
    {Language::DIK_F11, 0x57},
    {Language::DIK_F12, 0x58},
    {Language::DIK_F13, 0x64},
    {Language::DIK_F14, 0x65},
    {Language::DIK_F15, 0x66},
    {Language::DIK_KANA, 0x70},
    {Language::DIK_ABNT_C1, 0x73},
    {Language::DIK_CONVERT, 0x79},
    {Language::DIK_NOCONVERT, 0x7B},
    {Language::DIK_YEN, 0x7D},
    {Language::DIK_ABNT_C2, 0x7E},
    {Language::DIK_NUMPADEQUALS, 0x8D},
    {Language::DIK_PREVTRACK, 0x90},
    {Language::DIK_AT, 0x91},
    {Language::DIK_COLON, 0x92},
    {Language::DIK_UNDERLINE, 0x93},
    {Language::DIK_KANJI, 0x94},
    {Language::DIK_STOP, 0x95},
    {Language::DIK_AX, 0x96},
    {Language::DIK_UNLABELED, 0x97},
    {Language::DIK_NEXTTRACK, 0x99},
    {Language::DIK_NUMPADENTER, 0x9C},
    {Language::DIK_RCONTROL, 0x9D},
    {Language::DIK_MUTE, 0xA0},
    {Language::DIK_CALCULATOR, 0xA1},
    {Language::DIK_PLAYPAUSE, 0xA2},
    {Language::DIK_MEDIASTOP, 0xA4},
    {Language::DIK_VOLUMEDOWN, 0xAE},
    {Language::DIK_VOLUMEUP, 0xB0},
    {Language::DIK_WEBHOME, 0xB2},
    {Language::DIK_NUMPADCOMMA, 0xB3},
    {Language::DIK_DIVIDE, 0xB5},
    {Language::DIK_SYSRQ, 0xB7},
    {Language::DIK_RMENU, 0xB8},
    {Language::DIK_PAUSE, 0xC5},
    {Language::DIK_HOME, 0xC7},
    {Language::DIK_UP, 0xC8},
    {Language::DIK_PRIOR, 0xC9},
    {Language::DIK_LEFT, 0xCB},
    {Language::DIK_RIGHT, 0xCD},
    {Language::DIK_END, 0xCF},
    {Language::DIK_DOWN, 0xD0},
    {Language::DIK_NEXT, 0xD1},
    {Language::DIK_INSERT, 0xD2},
    {Language::DIK_DELETE, 0xD3},
    {Language::DIK_LWIN, 0xDB},
    {Language::DIK_RWIN, 0xDC},
    {Language::DIK_APPS, 0xDD},
    {Language::DIK_POWER, 0xDE},
    {Language::DIK_SLEEP, 0xDF},
    {Language::DIK_WAKE, 0xE3},
    {Language::DIK_WEBSEARCH, 0xE5},
    {Language::DIK_WEBFAVORITES, 0xE6},
    {Language::DIK_WEBREFRESH, 0xE7},
    {Language::DIK_WEBSTOP, 0xE8},
    {Language::DIK_WEBFORWARD, 0xE9},
    {Language::DIK_WEBBACK, 0xEA},
    {Language::DIK_MYCOMPUTER, 0xEB},
    {Language::DIK_MAIL, 0xEC},
    {Language::DIK_MEDIASELECT, 0xED},
    {Language::DIK_JOYUP, 256},
    {Language::DIK_JOYDOWN, 257},
    {Language::DIK_JOYLEFT, 258},
    {Language::DIK_JOYRIGHT, 259},
    {Language::DIK_JOYBUTTON0, 272},
    {Language::DIK_JOYBUTTON1, 273},
    {Language::DIK_JOYBUTTON2, 274},
    {Language::DIK_JOYBUTTON3, 275},
    {Language::DIK_JOYBUTTON4, 276},
    {Language::DIK_JOYBUTTON5, 277},
    {Language::DIK_JOYBUTTON6, 278},
    {Language::DIK_JOYBUTTON7, 279},
    {Language::DIK_JOYBUTTON8, 280},
    {Language::DIK_JOYBUTTON9, 281},
    {Language::DIK_JOYBUTTON10, 282},
    {Language::DIK_JOYBUTTON11, 283},
    {Language::DIK_JOYBUTTON12, 284},
    {Language::DIK_JOYBUTTON13, 285},
    {Language::DIK_JOYBUTTON14, 286},
    {Language::DIK_JOYBUTTON15, 287},
    {Language::DIK_JOYBUTTON16, 288},
    {Language::DIK_JOYBUTTON17, 289},
    {Language::DIK_JOYBUTTON18, 290},
    {Language::DIK_JOYBUTTON19, 291},
    {Language::DIK_JOYBUTTON20, 292},
    {Language::DIK_JOYBUTTON21, 293},
    {Language::DIK_JOYBUTTON22, 294},
    {Language::DIK_JOYBUTTON23, 295},
    {Language::DIK_JOYBUTTON24, 296},
    {Language::DIK_JOYBUTTON25, 297},
    {Language::DIK_JOYBUTTON26, 298},
    {Language::DIK_JOYBUTTON27, 299},
    {Language::DIK_JOYBUTTON28, 300},
    {Language::DIK_JOYBUTTON29, 301},
    {Language::DIK_JOYBUTTON30, 302},
    {Language::DIK_JOYBUTTON31, 303},
    {Language::DIK_MOUSEUP, 304},
    {Language::DIK_MOUSEDOWN, 305},
    {Language::DIK_MOUSELEFT, 306},
    {Language::DIK_MOUSERIGHT, 307},
    {Language::DIK_MOUSEBUTTON0, 308},
    {Language::DIK_MOUSEBUTTON1, 309},
    {Language::DIK_MOUSEBUTTON2, 310},
    {Language::DIK_MOUSEBUTTON3, 311},
};

constexpr bool namedKeyCodesInOrder()
{
    for (size_t i = 0; i < std::size(NAMED_KEY_CODES); ++i) {
        if (NAMED_KEY_CODES[i].id != Language::DIK_ESCAPE + static_cast<int>(i))
            return false;
        if (i > 0 && NAMED_KEY_CODES[i].code <= NAMED_KEY_CODES[i - 1].code)
            return false;
    }
    return NAMED_KEY_CODES[std::size(NAMED_KEY_CODES) - 1].code < KivInput::KEY_COUNT;
}

static_assert(std::size(NAMED_KEY_CODES) == Language::DIK_MOUSEBUTTON3 - Language::DIK_ESCAPE + 1,
              "every key-name identifier names one input code");
static_assert(namedKeyCodesInOrder(), "key names stand in ascending code order");

} // namespace

Language::Language()
{
    KIV_LOG("Starting...");
    for (const StringRow& row : STRING_ROWS) {
        identifiers.emplace(UString(row.name), row.value);
        texts[0][row.value] = row.english;
    }
    for (int language = 0; language < LANGUAGE_MAX; ++language) {
        for (int id = 0; id < STRING_COUNT; ++id) {
            if (!texts[language][id])
                KIV_ERROR("String %d is missing from language %d.", id, language);
        }
    }
    pCurrentTexts = texts[DEFAULT_LANGUAGE];
    KIV_LOG("Started.");
}

Language::~Language() = default;

const char* Language::getTextInLanguage(int language, StringsEnum id) const
{
    if (language < 0 || language >= LANGUAGE_MAX)
        language = DEFAULT_LANGUAGE;
    return static_cast<unsigned>(id) < static_cast<unsigned>(STRING_COUNT) ? texts[language][id] : "";
}

int Language::findIdentifier(const char* name) const
{
    auto found = identifiers.find(UString(name));
    return found == identifiers.end() ? -1 : found->second;
}

const char* Language::getTextByString(const char* name, bool bReportError) const
{
    int value = findIdentifier(name);
    if (value >= 0)
        return getText(static_cast<StringsEnum>(value));
    if (bReportError)
        KIV_ERROR("Unknown string identifier '%s'", name ? name : "");
    return "";
}

void Language::setCurrentLanguage(int language)
{
    // The index comes from the configuration file, which the player may have
    // edited: a language we do not carry falls back instead of ending the run.
    if (language < 0 || language >= LANGUAGE_MAX) {
        KIV_LOG("Language %d does not exist, using language %d.", language, DEFAULT_LANGUAGE);
        language = DEFAULT_LANGUAGE;
    }
    currentLanguage = language;
    pCurrentTexts = texts[currentLanguage];
    // A table without an engine's input (one read on its own) has no key
    // names to fill.
    if (pKiv && pKiv->pInput)
        fillKeyNames(pKiv->pInput->keyNames);
}

void Language::fillKeyNames(UString (&keyNames)[KivInput::KEY_COUNT]) const
{
    const char* unknown = getText(DIK_UNKNOWN);
    for (int code = 0; code < KivInput::KEY_COUNT; ++code)
        formatInto(keyNames[code], "%s-%d", unknown, code);
    keyNames[0] = UString();
    for (const NamedKeyCode& key : NAMED_KEY_CODES)
        keyNames[key.code] = getText(key.id);
}
