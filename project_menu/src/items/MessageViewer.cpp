#include "MessageViewer.h"

#include "BasicLinkIterator.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Logger.h"
#include "TextLine.h"
#include "TextParagraph.h"
#include "TextPhrase.h"

#include <algorithm>

MessageViewer::MessageViewer()
    : wrapWidth(pKiv->pGraphics->fovWidth - 10), lineStep(static_cast<float>(-pGlobal->pFontMedium->lineHeight)),
      font(pGlobal->pFontMedium)
{
}

void MessageViewer::addMessage(const std::string& text)
{
    KIV_LOG("> %s", text.c_str());
    TextParagraph paragraph(text, font, wrapWidth);
    BasicLinkIterator wrapped(&paragraph);
    while (KivBase* line = wrapped.next()) {
        std::string joined;
        BasicLinkIterator phrases(line);
        while (KivBase* phrase = phrases.next())
            joined += static_cast<TextPhrase*>(phrase)->text;
        lines.push_back(joined);
    }
    while (lines.size() > static_cast<size_t>(std::max(maxLines, 0)))
        lines.pop_front();
    messageAge = 0.0;
}

void MessageViewer::tick(double, double dt)
{
    messageAge += dt;
    if (displayTime <= 0.0) {
        alpha = 1.0f;
        return;
    }
    const float fade = static_cast<float>(messageAge - (displayTime - 1.0));
    alpha = fade < 0.0f ? 1.0f : fade <= 1.0f ? 1.0f - fade : 0.0f;
}

void MessageViewer::render()
{
    if (hidden || alpha <= 0.0f || lines.empty())
        return;
    const uint8_t a = static_cast<uint8_t>(alpha * static_cast<float>(color.a));
    float y = position.y;
    if (bottomAnchored)
        y -= static_cast<float>(lines.size() - 1) * lineStep;
    const size_t last = lines.size() - 1;
    for (size_t i = 0; i < lines.size(); ++i) {
        UColor shade(color.r, color.g, color.b, a);
        if (dimOlderLines && i != last)
            shade = UColor(color.r / 2, color.g / 2, color.b / 2, a);
        font->printAt(position.x, y, position.z, shade, printFlags, lines[i]);
        y += lineStep;
    }
}
