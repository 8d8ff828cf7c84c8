#include "ContextOptionsControls.h"

#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "MenuEnum.h"
#include "MenuItem.h"
#include "RenderableText.h"

ContextOptionsControls::ContextOptionsControls() : ContextOptionsPage(Language::CONTROLS)
{
    addKeyRows(0);
    const float chooserX = columnX(CHOOSER_WIDTH);
    pMenuKeyRow = addRow(new MenuItem(chooserX, rowY(6), 0.0f, text(Language::CONTROLSINGAMEMENU), ""), CHOOSER_WIDTH);
    pMenuKeyRow->disabled = true;
    pMenuKeyRow->disabledText = text(Language::CONTROLSINGAMEMENUHINT);
    RenderableText* escape = new RenderableText(chooserX, rowY(6), 0.0f, pKiv->pInput->keyNames[KivInput::KEY_ESCAPE],
                                                pGlobal->pFontMedium, pMenuKeyRow->disabledColor);
    escape->flags |= FontQuad::PRINT_CENTRE_Y;
    escape->bShadow = false;
    addChildLast(escape);
    pSensitivityChooser =
        addRow(new MenuEnum(chooserX, rowY(7), 0.0f, text(Language::SENSITIVITY), text(Language::SENSITIVITYHINT),
                            &pGlobal->hst.mouseSensitivity, 0, HSTdata::MAX_MOUSE_SENSITIVITY,
                            Language::ENUMSENSITIVITY0),
               CHOOSER_WIDTH);
}
