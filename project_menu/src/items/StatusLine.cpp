#include "StatusLine.h"

#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"

void StatusLine::print(const std::string& text, bool bPlain)
{
    const UColor white(255, 255, 255, 255);
    const float y = static_cast<float>(4 - pKiv->pGraphics->fovHeight / 2);
    const int flags = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_BOTTOM;
    if (bPlain)
        pGlobal->pFontSmall->printAt(0.0f, y, 0.0f, white, flags, text);
    else
        pGlobal->pFontSmall->printShadowAt(0.0f, y, 0.0f, white, flags, text, 0.0f, -1.0f, 0.0f,
                                           UColor(0, 0, 0, 255));
}
