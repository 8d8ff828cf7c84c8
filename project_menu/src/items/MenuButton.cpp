#include "MenuButton.h"

#include "ContextDialog.h"
#include "ContextManager.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "ResourceManager.h"
#include "Texture.h"

MenuButton::MenuButton(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint)
    : MenuItem(x, y, z, buttonCaption, buttonHint)
{
    setFrameSkin(pKiv->pResourceManager->findAs<Texture>("gui-game-button"), 20, 0, 0, 20);
    setWidth(DEFAULT_WIDTH);
    captionLocation = 5;
}

void MenuButton::tick(double t, double dt)
{
    MenuItem::tick(t, dt);
    if (!disabled && isTriggered()) {
        if (confirmTitle.empty() && confirmQuestion.empty())
            click();
        else
            askForConfirmation();
    }
    // The dialog has closed with Yes; this runs even while disabled, so a
    // confirmed click is never lost.
    if (dialogAnswer == 0) {
        click();
        dialogAnswer = -1;
    }
}

bool MenuButton::isTriggered() const
{
    const KivInput& input = *pKiv->pInput;
    if (highlighted && input.isMouseButtonPressed())
        return true;
    return hotKey != 0 && input.getKeyChar(input.getPressedKey()) == static_cast<unsigned char>(hotKey);
}

void MenuButton::askForConfirmation()
{
    pGlobal->pContextManager->pushContext(ContextDialog::buildYesNo(confirmTitle, confirmQuestion, &dialogAnswer));
}
