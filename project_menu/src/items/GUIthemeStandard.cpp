#include "GUIthemeStandard.h"

#include "ErrorManager.h"
#include "GUIitem.h"
#include "Global.h"

namespace {
// Frame textures by style; style 0 keeps the frames and 10 and 11 are tabs.
const char* const STYLE_KEYS[] = {
    nullptr,
    "gui-invisible",
    "gui-standard-generic",
    "gui-standard-thickframe",
    "gui-standard-thinframe",
    "gui-standard-groove",
    "gui-standard-panel-bevelinner",
    "gui-standard-editbox",
    "gui-standard-button",
    "gui-standard-button-nogroove",
    "gui-standard-tab",
    "gui-standard-tab-selected",
};
constexpr int STYLE_COUNT = static_cast<int>(sizeof(STYLE_KEYS) / sizeof(STYLE_KEYS[0]));
constexpr int STYLE_THICK_FRAME = 3;
constexpr int FIRST_TAB_STYLE = 10;
constexpr int THICK_FRAME_WIDTH = 2;
} // namespace

GUIthemeStandard::GUIthemeStandard()
{
    captionGap = 3;
    frameWidth = 1;
    borderLeft = borderTop = borderBottom = borderRight = 5;
    font = pGlobal->pFontSmall;
}

void GUIthemeStandard::setStyle(GUIitem* item, int style)
{
    if (style < 0 || style >= STYLE_COUNT)
        KIV_ERROR("Unhandled style");
    if (style == 0)
        return;
    // The thick frame is thicker for this item only; the theme's later items
    // keep the theme's frame width.
    if (style == STYLE_THICK_FRAME)
        item->frameWidth = THICK_FRAME_WIDTH;
    if (style >= FIRST_TAB_STYLE) {
        item->borderLeft = 10;
        item->borderTop = 5;
        item->borderBottom = 5;
        item->borderRight = 10;
    }
    applyTexture(item, STYLE_KEYS[style]);
}
