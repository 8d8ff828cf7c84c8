#include "ContextOptionsGameplay.h"

#include "Global.h"
#include "MenuBool.h"

ContextOptionsGameplay::ContextOptionsGameplay() : ContextOptionsPage(Language::GAMEPLAY)
{
    HSTdata& hst = pGlobal->hst;
    const float x = columnX(MenuBool::SWITCH_WIDTH);
    pCheatsSwitch = addRow(new MenuBool(x, rowY(0), 0.0f, text(Language::ALLOWCHEATS), text(Language::ALLOWCHEATSHINT),
                                        &hst.bAllowCheats),
                           MenuBool::SWITCH_WIDTH);
    pHelpSwitch = addRow(
        new MenuBool(x, rowY(1), 0.0f, text(Language::TUTORIAL), text(Language::TUTORIALHINT), &hst.bInGameHelp),
        MenuBool::SWITCH_WIDTH);
}
