#pragma once
// ContextLanguageSelect: the choice of language, pushed by the loader when
// no language has been chosen yet: one flag per compiled-in language, in a
// column down the middle of the view, each naming its language in its own
// words under the mouse. A click on a flag stores that language and ends the
// screen; nothing else does (there is nothing to go back to, and no text can
// be shown before a language is chosen). It draws over a plain sky colour,
// since the menu scenery is made only after loading. It deletes itself when
// the stack pops it. Main thread only; it needs the loaded "languageFlags"
// texture and fonts.
#include "ContextMenu.h"

#include <vector>

class LanguageFlag;

class ContextLanguageSelect : public ContextMenu {
public:
    // Distance between flags, and the flags' x (their names show to the right).
    static constexpr float FLAG_STEP = 60.0f;
    static constexpr float FLAG_X = -40.0f;

    ContextLanguageSelect();

    // Children of the screen, language 0 first (top).
    std::vector<LanguageFlag*> flags;
};
