#pragma once
// ContextLanguageNotice: tells the player that the new language is chosen at
// the next start of the game ("Please restart the game|and select your new
// language.", one line per '|'), with an OK button that closes it. Pushed by
// the options screen's language button. It deletes itself when the stack
// pops it. Main thread only; it needs the loaded fonts and GUI textures.
#include "ContextMenu.h"

#include <vector>

class MenuButtonQuit;
class MenuGroup;
class RenderableText;

class ContextLanguageNotice : public ContextMenu {
public:
    // The panel behind the lines, and the step between lines, view units.
    static constexpr float PANEL_WIDTH = 480.0f;
    static constexpr float PANEL_HEIGHT = 180.0f;
    static constexpr float LINE_STEP = 30.0f;
    static constexpr int OK_WIDTH = 160;

    ContextLanguageNotice();

    MenuGroup* pPanel;
    // One per line of the notice, top first.
    std::vector<RenderableText*> lines;
    MenuButtonQuit* pOkButton;
};
