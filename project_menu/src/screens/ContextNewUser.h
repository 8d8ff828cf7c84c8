#pragma once
// ContextNewUser: the new-player screen, where a name is typed. It accepts a
// typed character only while the name is at most 14 characters long (so
// names have at most 15) and only from its list of allowed characters (those
// of the text field, MenuString::ALLOWED_CHARS); backspace removes the last
// one. OK, or Return, adds the player to the roster with
// ProfileManager::addProfile (which makes it current) and closes the screen;
// OK is disabled while the name holds nothing but spaces. Cancel (shown only
// when the roster has players) and Escape close it without adding. The main
// menu's greeting pushes it while nobody plays, the player list from its Add
// button. It deletes itself when the stack pops it. Main thread only; it
// needs the loaded fonts and GUI textures.
#include "ContextMenu.h"

#include <string>

class MenuButton;
class MenuButtonQuit;
class MenuGroup;
class RenderableText;

class ContextNewUser : public ContextMenu {
public:
    static constexpr size_t MAX_NAME_LENGTH = 15;
    static constexpr int KEY_RETURN = 28;
    static constexpr int KEY_NUMPAD_ENTER = 156;
    static constexpr float PANEL_WIDTH = 360.0f;
    static constexpr float PANEL_HEIGHT = 110.0f;
    static constexpr int OK_WIDTH = 160;

    ContextNewUser();

    // The items, then typing, then OK or Return.
    void tickContents(double t, double dt) override;

    // Appends the character when the name has room and the list allows it.
    void typeCharacter(int character);
    // The name holds a character other than a space.
    bool canConfirm() const;
    // Adds the player under the name without its outer spaces and closes the
    // screen; nothing when the name cannot be confirmed.
    void confirm();

    std::string name;
    MenuGroup* pPanel;
    RenderableText* pNameText;
    MenuButton* pOkButton;
    // Null when the roster was empty as the screen opened.
    MenuButtonQuit* pCancelButton = nullptr;

private:
    void showName();
};
