#pragma once
// GUIthemeMinimal: the plain theme: one generic frame for every visible
// style, captions in the tiny font. Main thread only.
#include "GUItheme.h"

class GUIthemeMinimal : public GUItheme {
public:
    // Reads Global's tiny font, which must be loaded by then.
    GUIthemeMinimal();

    // 0 nothing, 1 invisible, 2 to 11 "gui-minimal-generic".
    void setStyle(GUIitem* item, int style) override;
};
