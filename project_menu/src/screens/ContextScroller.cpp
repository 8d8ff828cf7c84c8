#include "ContextScroller.h"

#include "FontQuad.h"
#include "MenuLayout.h"
#include "RenderableText.h"

#include <algorithm>

ContextScroller::ContextScroller() : nextTop(-MenuLayout::top())
{
    bDeleteWhenFinished = true;
    bCloseOnKeys = true;
}

RenderableText* ContextScroller::addLine(const std::string& text, FontQuad* font, UColor color, float gap)
{
    const float top = nextTop - gap;
    RenderableText* line = new RenderableText(0.0f, top, 0.0f, text, font, color);
    line->flags = FontQuad::PRINT_CENTRE_X;
    addChildLast(line);
    const float height = static_cast<float>(font->lineHeight);
    lines.push_back({line, top, height, color.a});
    nextTop = top - height;
    placeLines();
    return line;
}

void ContextScroller::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    scrolled += speed * static_cast<float>(frameDt);
    placeLines();
    // Finished once the bottom of the last line has passed the top edge.
    if (nextTop + scrolled >= MenuLayout::top())
        bFinished = true;
}

void ContextScroller::placeLines()
{
    const float edge = MenuLayout::top();
    for (Line& line : lines) {
        const float top = line.top + scrolled;
        const float middle = top - line.height / 2.0f;
        // 0 at an edge, 1 from FADE_BAND inside it.
        const float inside = std::clamp((edge - std::abs(middle)) / FADE_BAND, 0.0f, 1.0f);
        line.pText->position.y = top;
        line.pText->color.a = static_cast<uint8_t>(static_cast<float>(line.alpha) * inside);
        line.pText->updateVisuals();
    }
}
