#pragma once
// ContextMain: the main menu. Over the shared scenery (Global's ContextPre)
// and under the shared front layer (ContextPost) it shows the fading game
// logo, the greeting of the current player (which opens the player screens,
// and the new-player screen while nobody plays) and the buttons: start, high
// scores, options, credits, the maker's website and quit. Escape, quit and
// the website (which ends the program too) ask before they close it. It
// stays on the stack under every other screen for the whole run; when it
// closes, the stack runs down and the program ends. The game derives from
// it and fills onButtonStart. It deletes itself when the stack pops it.
// Main thread only; it needs the loaded fonts and GUI textures.
#include "ContextMenu.h"

class Logo;
class MenuButton;
class MenuButtonQuit;
class MenuButtonURL;
class MenuUserDisplay;

class ContextMain : public ContextMenu {
public:
    // The page the website button opens once the program has ended.
    static const char* const WEBSITE_ADDRESS;
    // Centre of the logo below the view's top edge, view units.
    static constexpr float LOGO_DROP = 60.0f;
    // Seconds before the logo starts to appear, and of its fade.
    static constexpr double LOGO_DELAY = 0.25;
    static constexpr double LOGO_FADE = 1.0;
    // Centre of the first button of the column, view units above the centre.
    static constexpr float FIRST_BUTTON_Y = 20.0f;

    ContextMain();

    // The items, then the buttons' clicks: start calls onButtonStart, high
    // scores, options and credits push their screens.
    void tickContents(double t, double dt) override;
    // Called when the start button is clicked; nothing here.
    virtual void onButtonStart();

    // Children of the screen, owned through the object tree.
    Logo* pLogo;
    MenuUserDisplay* pUserDisplay;
    MenuButton* pStartButton;
    MenuButton* pHighScoresButton;
    MenuButton* pOptionsButton;
    MenuButton* pCreditsButton;
    MenuButtonURL* pWebsiteButton;
    MenuButtonQuit* pQuitButton;
};
