#include "ContextOptionsPage.h"

#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "MenuKey.h"
#include "MenuLayout.h"
#include "RenderableText.h"

#include <cstddef>

namespace {
// White on its dark rim, as the page title: a heading stands on the sky.
const UColor HEADING(255, 255, 255, 255);

// The index into HSTdata::keys of each control, in the order the screens
// show them (up, down, left, right, fire, missile), and their captions.
struct ControlRow {
    int control;
    Language::StringsEnum caption;
};
constexpr ControlRow CONTROL_ROWS[HSTdata::CONTROL_COUNT] = {
    {2, Language::CONTROLSUP},   {3, Language::CONTROLSDOWN}, {0, Language::CONTROLSLEFT},
    {1, Language::CONTROLSRIGHT}, {4, Language::CONTROLSFIRE}, {5, Language::CONTROLSALTFIRE},
};

// The settings the option screens edit: display, sound, mouse and gameplay
// (from the Detail setting to the starting level) and the key table.
constexpr size_t SETTINGS_START = offsetof(HSTdata, detail);
constexpr size_t SETTINGS_END = offsetof(HSTdata, freeText2);
constexpr size_t KEYS_START = offsetof(HSTdata, keys);
constexpr size_t KEYS_SIZE = sizeof(HSTdata::keys);
} // namespace

ContextOptionsPage::ContextOptionsPage(Language::StringsEnum titleId) : settingsAtOpening(settingsNow())
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    MenuLayout::addTitle(*this, text(titleId));
    pBackButton = MenuLayout::addBackButton(*this);
}

const char* ContextOptionsPage::text(Language::StringsEnum id)
{
    return pKiv->pLanguage->getText(id);
}

float ContextOptionsPage::rowY(int index)
{
    return FIRST_ROW_Y - ROW_STEP * static_cast<float>(index);
}

float ContextOptionsPage::columnX(int width)
{
    return COLUMN_LEFT + static_cast<float>(width) / 2.0f;
}

void ContextOptionsPage::addHeading(int row, Language::StringsEnum id)
{
    RenderableText* heading = new RenderableText(0.0f, rowY(row), 0.0f, text(id), pGlobal->pFontMedium, HEADING);
    heading->flags |= FontQuad::PRINT_CENTRE_Y;
    heading->bShadow = false;
    addChildLast(heading);
}

void ContextOptionsPage::addKeyRows(int keyColumn)
{
    int row = 0;
    for (const ControlRow& control : CONTROL_ROWS) {
        addRow(new MenuKey(columnX(CHOOSER_WIDTH), rowY(row++), 0.0f, text(control.caption),
                           text(Language::CONTROLSHINT), &pGlobal->hst.keys[control.control][keyColumn]),
               CHOOSER_WIDTH);
    }
}

std::string ContextOptionsPage::settingsNow() const
{
    const char* block = reinterpret_cast<const char*>(&pGlobal->hst);
    return std::string(block + SETTINGS_START, SETTINGS_END - SETTINGS_START) +
           std::string(block + KEYS_START, KEYS_SIZE);
}

bool ContextOptionsPage::hasChanges() const
{
    return settingsNow() != settingsAtOpening;
}

void ContextOptionsPage::deactivate(bool closing)
{
    if (!closing || !hasChanges())
        return;
    pGlobal->applySettings();
    pGlobal->hst.saveNow();
}
