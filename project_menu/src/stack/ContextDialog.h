#pragma once
// ContextDialog: the modal question box of the menus: a framed title, a
// word-wrapped message and one or two push buttons, shown over the screen
// that asked, which is drawn frozen behind it. It is a screen of its own: the
// asker creates it, sets the texts and the answer pointer, calls build and
// pushes it, and reads the answer once the dialog has closed (-1 none, 0 the
// first button, 1 the second). The screen stack deletes it when it pops it;
// the frame, texts and buttons are its children. Main thread only.
#include "Context.h"
#include "UString.h"
#include "V3.h"

class MenuButton;

class ContextDialog : public Context {
public:
    // Width of the frame around the texts, view units.
    static constexpr float FRAME_MARGIN = 100.0f;
    static constexpr float MIN_WIDTH = 192.0f;
    static constexpr float MIN_WIDTH_WITH_BUTTONS = 330.0f;
    static constexpr int BUTTON_WIDTH = 160;
    static constexpr float BUTTON_OFFSET = 85.0f;

    // Deleted by the stack when it is popped; the first caption is the
    // language's OK.
    ContextDialog();

    // Lays the dialog out from the fields: frame, title, message, buttons.
    // Call once, before the push. Sets the answer to -1.
    void build();
    // A built dialog asking the question with the language's Yes and No,
    // ready to be pushed; the answer pointer may be null.
    static ContextDialog* buildYesNo(const std::string& title, const std::string& message, int* answer);

    // Plays "pop" on the first activation (fatal when it is not registered).
    void activate(bool firstTime) override;
    // The buttons, then their clicks: the first answers 0, the second 1;
    // either finishes the dialog.
    void tickContents(double t, double dt) override;
    // The screen below first, then the dialog.
    void renderContents() override;

    // Centre of the dialog in the view.
    V3 position;
    // Large font; empty: no title.
    UString title;
    // Medium font, word-wrapped; '|' breaks the line, colour markup allowed.
    UString message;
    // Empty: no such button.
    UString firstCaption;
    UString secondCaption;
    // Not owned; may be null.
    int* pAnswer = nullptr;
    // Children made by build.
    MenuButton* pFirstButton = nullptr;
    MenuButton* pSecondButton = nullptr;

private:
    void answer(int choice);
};
