#pragma once
// GuiArt: the menu framework's frames and pointers (progress bar, mouse
// pointer, edit box, buttons, cloud button, panel, street sign, message
// arrows) and the start-up pictures (studio logo, language flag,
// display-configuration picture).
#include "DataWriter.h"

class GuiArt {
public:
    void generate(DataWriter& out) const;
};
