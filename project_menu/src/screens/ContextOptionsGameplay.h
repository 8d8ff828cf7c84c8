#pragma once
// ContextOptionsGameplay: the gameplay options: the in-game cheat keys and
// the in-game help. Pushed by the options screen. Main thread only.
#include "ContextOptionsPage.h"

class MenuBool;

class ContextOptionsGameplay : public ContextOptionsPage {
public:
    ContextOptionsGameplay();

    MenuBool* pCheatsSwitch;
    MenuBool* pHelpSwitch;
};
