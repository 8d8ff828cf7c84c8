#pragma once
// ContextOptions: the options hub, opened from the main menu: one button
// for each group of settings (gameplay, graphics, sound, controls, second
// player's controls), the network wizard, the language choice in editions with
// several languages (it forgets the chosen language, so the next start asks
// again, and shows a notice saying so) and the help screen. It deletes itself
// when the stack pops it. Main thread only; it needs the loaded fonts and GUI
// textures.
#include "ContextMenu.h"

class MenuButton;
class MenuButtonQuit;

class ContextOptions : public ContextMenu {
public:
    // Centre of the first button of the column, view units above the centre,
    // and the distance between buttons (closer than elsewhere: eight fit).
    static constexpr float FIRST_BUTTON_Y = 130.0f;
    static constexpr float BUTTON_STEP = 42.0f;

    ContextOptions();

    // The items, then the buttons' clicks.
    void tickContents(double t, double dt) override;

    MenuButton* pGameplayButton;
    MenuButton* pGraphicsButton;
    MenuButton* pSoundButton;
    MenuButton* pControlsButton;
    MenuButton* pControls2Button;
    MenuButton* pNetworkButton;
    // Null in a single-language edition.
    MenuButton* pLanguageButton = nullptr;
    MenuButton* pHelpButton;
    MenuButtonQuit* pBackButton;
};
