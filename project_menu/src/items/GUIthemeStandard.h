#pragma once
// GUIthemeStandard: the full theme: ten frame textures whose keys begin
// "gui-standard-", captions in the small font. Main thread only.
#include "GUItheme.h"

class GUIthemeStandard : public GUItheme {
public:
    // Reads Global's small font, which must be loaded by then.
    GUIthemeStandard();

    // 0 nothing, 1 invisible, 2 generic, 3 thick frame, 4 thin frame,
    // 5 groove, 6 inner bevel panel, 7 edit box, 8 button, 9 button without
    // groove, 10 tab, 11 selected tab (the tabs with wider side borders).
    void setStyle(GUIitem* item, int style) override;
};
