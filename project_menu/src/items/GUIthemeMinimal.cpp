#include "GUIthemeMinimal.h"

#include "ErrorManager.h"
#include "Global.h"

namespace {
constexpr int STYLE_INVISIBLE = 1;
constexpr int LAST_STYLE = 11;
} // namespace

GUIthemeMinimal::GUIthemeMinimal()
{
    captionGap = 1;
    frameWidth = 0;
    borderLeft = borderTop = borderBottom = borderRight = 3;
    font = pGlobal->pFontTiny;
}

void GUIthemeMinimal::setStyle(GUIitem* item, int style)
{
    if (style < 0 || style > LAST_STYLE)
        KIV_ERROR("Unhandled style");
    if (style == 0)
        return;
    applyTexture(item, style == STYLE_INVISIBLE ? "gui-invisible" : "gui-minimal-generic");
}
