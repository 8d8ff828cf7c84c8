#include "ContextHighScores.h"

#include "ContextHighScoreOptions.h"
#include "ContextManager.h"
#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuEnum.h"
#include "MenuLayout.h"
#include "RenderableText.h"

#include <cstring>
#include <string>

const UColor ContextHighScores::ROW_COLOR(255, 128, 0, 255);
const UColor ContextHighScores::HIGHLIGHT_COLOR(255, 255, 255, 255);

namespace {

// A name field that a damaged file left without its terminator still ends
// inside the field.
std::string entryName(const HighScoreEntry& entry)
{
    return std::string(entry.name, strnlen(entry.name, HighScoreEntry::NAME_SIZE));
}

RenderableText* addRowText(ContextHighScores& screen, float x, float y, int flags)
{
    RenderableText* text = new RenderableText(x, y, 0.0f, "", pGlobal->pFontMedium, ContextHighScores::ROW_COLOR);
    text->flags = flags;
    screen.addChildLast(text);
    return text;
}

} // namespace

ContextHighScores::ContextHighScores(int shownTable)
    : table(shownTable >= 0 && shownTable < HSTdata::TABLE_COUNT ? shownTable : 0)
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    const float top = MenuLayout::top();
    MenuLayout::addTitle(*this, language.getText(Language::HIGHSCORES));
    pTableChooser = new MenuEnum(0.0f, top - CHOOSER_DROP, 0.0f, "", "", &table, 0, HSTdata::TABLE_COUNT - 1,
                                 Language::GAMETYPETIMETRIAL);
    addChildLast(pTableChooser);

    for (int row = 0; row < ROW_COUNT; ++row) {
        const float y = top - FIRST_ROW_DROP - ROW_STEP * static_cast<float>(row);
        rankTexts[row] = addRowText(*this, RANK_X, y, FontQuad::PRINT_RIGHT | FontQuad::PRINT_CENTRE_Y);
        nameTexts[row] = addRowText(*this, NAME_X, y, FontQuad::PRINT_CENTRE_Y);
        scoreTexts[row] = addRowText(*this, SCORE_X, y, FontQuad::PRINT_RIGHT | FontQuad::PRINT_CENTRE_Y);
        rankTexts[row]->text = formatString("%d.", row + 1);
    }

    pBackButton = MenuLayout::addBackButton(*this);
    constexpr int OPTIONS_WIDTH = 220;
    pOptionsButton = new MenuButton(MenuLayout::right() - 10.0f - OPTIONS_WIDTH / 2,
                                    MenuLayout::CORNER_INSET_Y - top, 0.0f,
                                    language.getText(Language::HIGHSCOREOPTIONSDOTS), "");
    pOptionsButton->setWidth(OPTIONS_WIDTH);
    addChildLast(pOptionsButton);
    showRows();
}

void ContextHighScores::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    showRows();
    if (pOptionsButton->wasClicked())
        pGlobal->pContextManager->pushContext(new ContextHighScoreOptions());
}

int ContextHighScores::findNewestEntryTable()
{
    const ProfileManager& roster = pGlobal->profileManager;
    const int row = roster.lastHighScorePosition;
    if (row < 0 || row >= ROW_COUNT || !roster.isUsed(roster.current))
        return -1;
    const std::string player = roster.getName(roster.current);
    int newest = -1;
    for (int t = 0; t < HSTdata::TABLE_COUNT; ++t) {
        const HighScoreEntry& entry = pGlobal->hst.highScores[t][row];
        if (entryName(entry) != player)
            continue;
        if (newest < 0 || entry.time.get() > pGlobal->hst.highScores[newest][row].time.get())
            newest = t;
    }
    return newest;
}

void ContextHighScores::showRows()
{
    // At most one row of one table is the player's newest entry.
    const int highlightedRow =
        table == findNewestEntryTable() ? pGlobal->profileManager.lastHighScorePosition : -1;
    const UString separator = pKiv->pLanguage->getText(Language::THOUSANDSEPARATOR);
    for (int row = 0; row < ROW_COUNT; ++row) {
        const HighScoreEntry& entry = pGlobal->hst.highScores[table][row];
        nameTexts[row]->text = entryName(entry);
        scoreTexts[row]->text = Global::formatNumber(entry.score, separator);
        const UColor color = row == highlightedRow ? HIGHLIGHT_COLOR : ROW_COLOR;
        rankTexts[row]->color = nameTexts[row]->color = scoreTexts[row]->color = color;
    }
}
