#pragma once
// MenuString: the one-line text field of the screens that ask for a name.
// While the mouse rests on it, typed characters from allowedChars are
// appended up to maxLength, backspace removes the last one, a caret blinks,
// and the text is copied into the creator's buffer, which must hold
// maxLength + 1 bytes and outlive the item. Subclasses hear typing through
// onTextChanged. Main thread only.
#include "MenuItem.h"

class MenuString : public MenuItem {
public:
    // The characters typing may append: '!' to '_', '\'', 'a' to '}', space.
    static const char* const ALLOWED_CHARS;
    static constexpr int BACKSPACE = 8;
    // The caret blinks four times a second on the screen's clock t (seconds).
    static bool isCaretShown(double t);

    // An edit-box frame 256 wide, caption left of it; the text starts as the
    // buffer's contents, at most maxLength of them.
    MenuString(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, char* buffer,
               int maxTextLength);

    // Editing and the caret while highlighted and enabled.
    void tick(double t, double dt) override;
    // The text and caret, centred on the point without shadow.
    void drawValue(float x, float y, float z) override;
    // After every typed character other than backspace, accepted or not.
    virtual void onTextChanged() {}

    std::string allowedChars;
    std::string text;
    int maxLength;
    bool caretVisible = false;

private:
    char* pBuffer;
};
