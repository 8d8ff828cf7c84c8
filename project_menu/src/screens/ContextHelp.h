#pragma once
// ContextHelp: the help screen, opened from the options hub. Its
// documentation button ends the program so that the game's documentation,
// "readme.htm" in the working folder, is opened once it has stopped (the
// button is disabled when the file is not there); its on-line help button
// does the same with the help pages of the maker's website. It deletes
// itself when the stack pops it. Main thread only; it needs the loaded fonts
// and GUI textures.
#include "ContextMenu.h"
#include "UString.h"

class MenuButtonQuit;
class MenuButtonURL;

class ContextHelp : public ContextMenu {
public:
    static const char* const DOCUMENTATION_FILE;
    static const char* const ONLINE_HELP_ADDRESS;
    // Centre of the first button, view units above the centre.
    static constexpr float FIRST_BUTTON_Y = 25.0f;

    ContextHelp();

    // The documentation file's full path in the working folder; empty when
    // it is not there.
    static UString findDocumentation();

    MenuButtonURL* pDocumentationButton;
    MenuButtonURL* pOnlineHelpButton;
    MenuButtonQuit* pBackButton;
};
