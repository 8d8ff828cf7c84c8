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
#include "MenuString.h"
#include "RenderableText.h"

#include <cstring>

ContextNewUser::ContextNewUser()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    MenuLayout::addTitle(*this, language.getText(Language::PLAYERS));
    pPanel = new MenuGroup(0.0f, 0.0f, 0.0f, language.getText(Language::ENTERYOURNAME), PANEL_WIDTH, PANEL_HEIGHT);
    addChildLast(pPanel);
    // The name sits below the panel's caption.
    pNameText = new RenderableText(0.0f, -15.0f, 0.0f, "", pGlobal->pFontMedium, UColor(255, 255, 255, 255));
    pNameText->flags = FontQuad::PRINT_CENTRE_Y;
    pNameText->bShadow = false;
    addChildLast(pNameText);

    const float belowPanel = -PANEL_HEIGHT / 2.0f - MenuLayout::BUTTON_STEP;
    pOkButton = new MenuButton(0.0f, belowPanel, 0.0f, language.getText(Language::OK), "");
    pOkButton->setWidth(OK_WIDTH);
    pOkButton->disabled = true;
    addChildLast(pOkButton);
    if (pGlobal->profileManager.getCount() > 0) {
        pCancelButton = new MenuButtonQuit(MenuLayout::CORNER_INSET_X - MenuLayout::right(),
                                           MenuLayout::CORNER_INSET_Y - MenuLayout::top(), 0.0f,
                                           language.getText(Language::CANCEL), "");
        pCancelButton->setWidth(MenuLayout::CORNER_WIDTH);
        addChildLast(pCancelButton);
    }
    showName();
}

void ContextNewUser::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    const KivInput& input = *pKiv->pInput;
    const int key = input.getPressedKey();
    const int character = key != 0 ? input.getKeyChar(key) : 0;
    if (character == MenuString::BACKSPACE) {
        if (!name.empty())
            name.pop_back();
    } else if (character != 0) {
        typeCharacter(character);
    }
    // Return is read as the frame's key press, after the letters typed before
    // it.
    if (pOkButton->wasClicked() || key == KEY_RETURN || key == KEY_NUMPAD_ENTER)
        confirm();
    showName();
}

void ContextNewUser::typeCharacter(int character)
{
    if (name.size() >= MAX_NAME_LENGTH || character <= 0 || character > 0xFF)
        return;
    if (std::strchr(MenuString::ALLOWED_CHARS, character) == nullptr)
        return;
    name += static_cast<char>(character);
}

bool ContextNewUser::canConfirm() const
{
    return name.find_first_not_of(' ') != std::string::npos;
}

void ContextNewUser::confirm()
{
    if (!canConfirm())
        return;
    const size_t first = name.find_first_not_of(' ');
    const size_t last = name.find_last_not_of(' ');
    pGlobal->profileManager.addProfile(name.substr(first, last - first + 1));
    bFinished = true;
}

void ContextNewUser::showName()
{
    pOkButton->disabled = !canConfirm();
    // Centred with room for the caret, so the name stays put as it blinks.
    const int width = pNameText->pFont->measure(name + "_").width;
    pNameText->position.x = static_cast<float>(-(width / 2));
    pNameText->updateVisuals();
    const bool caretVisible = MenuString::isCaretShown(t);
    pNameText->text = caretVisible ? name + "_" : name;
}
