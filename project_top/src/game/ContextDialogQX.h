#pragma once
// ContextDialogQX: the message box of the game scenes: a screen pushed over
// the running game that shows an optional title and lines of text (split by
// an optional picture) on a cloud, with a small close button. Help texts,
// neighbourhood introductions and the saved-game prompt are made with it.
// The creator sets the fields, calls build, may append buttons of its own
// and pushes it; it has no answer: it ends through its close button, the
// space bar, Escape or a button of the creator's. While it is on top the
// game below it waits. The stack deletes it when it closes; its parts are
// its children. Main thread only; needs the loaded fonts and skins.
#include "Context.h"
#include "V3.h"

#include <string>

class MenuButtonQuit;
class Skin;

class ContextDialogQX : public Context {
public:
    // Line spacing of the text, view units.
    static constexpr float LINE_STEP = 25.0f;

    ContextDialogQX();

    // Lays the dialog out from the fields, once, before the push; consumes
    // text.
    void build();
    // Pushes the built dialog on Global's screen stack beneath the screens
    // pushed before it that have not been shown yet, so that messages pushed
    // together are read in the order they were pushed.
    void pushInReadingOrder();
    // The game (overGame) or the screen below, then the dialog.
    void renderContents() override;

    // Centre of the dialog in view units.
    V3 position;
    // Large font, white; empty: none.
    std::string title;
    // Lines separated by '|'; a line "~" stands for the picture.
    std::string text;
    // The picture of the "~" lines; not owned; may be null when no line is "~".
    Skin* separatorSkin = nullptr;
    // Scale of the cloud; 0 or less: fitted to the contents.
    float boxScale = 0.0f;
    // Drawn over the current game rather than over the screen below.
    bool overGame = false;
    // That game; not owned (it lies under the dialog).
    Context* game = nullptr;
    bool hasCloseButton = true;
    // Made by build when hasCloseButton is set; a child.
    MenuButtonQuit* closeButton = nullptr;
};
