#include "ContextUserManager.h"

#include "ContextManager.h"
#include "ContextNewUser.h"
#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuGroup.h"
#include "MenuLayout.h"
#include "RenderableText.h"

#include <cmath>

const UColor ContextUserManager::ROW_COLOR(255, 128, 0, 255);
const UColor ContextUserManager::CURRENT_COLOR(255, 255, 255, 255);
const UColor ContextUserManager::HOVER_COLOR(255, 255, 192, 255);

ContextUserManager::ContextUserManager()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    MenuLayout::addTitle(*this, language.getText(Language::PLAYERS));
    pPanel = new MenuGroup(0.0f, (rowY(0) + rowY(ROW_COUNT - 1)) / 2.0f, 0.0f, "", 2.0f * ROW_HALF_WIDTH + 40.0f,
                           ROW_STEP * static_cast<float>(ROW_COUNT) + 20.0f);
    addChildLast(pPanel);
    for (int row = 0; row < ROW_COUNT; ++row) {
        rowTexts[row] = new RenderableText(0.0f, rowY(row), 0.0f, "", pGlobal->pFontMedium, ROW_COLOR);
        rowTexts[row]->flags |= FontQuad::PRINT_CENTRE_Y;
        rowTexts[row]->bShadow = false;
        addChildLast(rowTexts[row]);
    }

    pBackButton = MenuLayout::addBackButton(*this);
    const float buttonY = MenuLayout::CORNER_INSET_Y - MenuLayout::top();
    pAddButton = new MenuButton(0.0f, buttonY, 0.0f, language.getText(Language::ADDPLAYER), "");
    pAddButton->setWidth(BUTTON_WIDTH);
    addChildLast(pAddButton);
    pDeleteButton = new MenuButton(MenuLayout::right() - MenuLayout::CORNER_INSET_X, buttonY, 0.0f,
                                   language.getText(Language::DELETEPLAYER), "");
    pDeleteButton->confirmTitle = language.getText(Language::DELETEPLAYER);
    pDeleteButton->confirmQuestion = language.getText(Language::CONFIRM);
    pDeleteButton->setWidth(BUTTON_WIDTH);
    addChildLast(pDeleteButton);
    showRows();
}

float ContextUserManager::rowY(int row)
{
    return MenuLayout::top() - FIRST_ROW_DROP - ROW_STEP * static_cast<float>(row);
}

int ContextUserManager::rowAt(float x, float y)
{
    if (std::fabs(x) >= ROW_HALF_WIDTH)
        return -1;
    const int count = pGlobal->profileManager.getCount();
    for (int row = 0; row < count; ++row) {
        const float middle = rowY(row);
        if (y > middle - ROW_STEP / 2.0f && y <= middle + ROW_STEP / 2.0f)
            return row;
    }
    return -1;
}

void ContextUserManager::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    ProfileManager& roster = pGlobal->profileManager;
    if (pKiv->pInput->isMouseButtonPressed()) {
        const int row = rowAt(mouseX, mouseY);
        if (row >= 0 && row != roster.current)
            roster.selectProfile(row);
    }
    if (pAddButton->wasClicked())
        pGlobal->pContextManager->pushContext(new ContextNewUser());
    // The button may have been confirmed after the roster shrank elsewhere.
    if (pDeleteButton->wasClicked() && roster.getCount() >= MIN_PLAYERS_TO_DELETE)
        roster.deleteProfile(roster.current);
    showRows();
}

void ContextUserManager::showRows()
{
    const ProfileManager& roster = pGlobal->profileManager;
    const int count = roster.getCount();
    const int hovered = rowAt(mouseX, mouseY);
    for (int row = 0; row < ROW_COUNT; ++row) {
        rowTexts[row]->text = row < count ? roster.getName(row) : "";
        rowTexts[row]->color = row == roster.current ? CURRENT_COLOR : row == hovered ? HOVER_COLOR : ROW_COLOR;
    }
    pAddButton->disabled = count >= MAX_PLAYERS_TO_ADD;
    pDeleteButton->disabled = count < MIN_PLAYERS_TO_DELETE;
}
