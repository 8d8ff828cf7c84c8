#pragma once
// MenuButton: the push button of the menu screens and dialogs. A press of
// any mouse button over it, or its hot key wherever the mouse is, clicks it;
// with a confirmation text set, the press first opens a Yes/No dialog and the
// click happens in the first tick after the player answers Yes. A child of
// its screen, which polls wasClicked. Main thread only.
#include "MenuItem.h"

class MenuButton : public MenuItem {
public:
    // A "gui-game-button" frame 256 wide with the caption centred on it.
    // Fatal when the frame is not registered.
    MenuButton(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint);

    // Presses and the hot key (ignored while disabled), then a pending Yes.
    void tick(double t, double dt) override;

    // The character (Windows-1252 byte) whose key press clicks the button; 0
    // none.
    char hotKey = 0;
    // Either one set: a press asks first.
    UString confirmTitle;
    UString confirmQuestion;
    // Written by the confirmation dialog: 0 yes, 1 no, -1 none.
    int dialogAnswer = -1;

private:
    bool isTriggered() const;
    void askForConfirmation();
};
