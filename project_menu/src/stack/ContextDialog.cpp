#include "ContextDialog.h"

#include "BasicLinkIterator.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuGroup.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "TextLine.h"
#include "TextParagraph.h"
#include "TextPhrase.h"

#include <algorithm>

namespace {
const UColor WHITE(255, 255, 255, 255);
} // namespace

ContextDialog::ContextDialog() : firstCaption(pKiv->pLanguage->getText(Language::OK))
{
    bDeleteWhenFinished = true;
}

void ContextDialog::build()
{
    if (pAnswer)
        *pAnswer = -1;
    FontQuad* large = pGlobal->pFontLarge;
    FontQuad* medium = pGlobal->pFontMedium;
    const int lineStep = static_cast<int>(static_cast<float>(medium->lineHeight) * 1.25f);
    TextParagraph paragraph(message, medium, static_cast<int>(static_cast<float>(pKiv->pGraphics->fovWidth) * 0.75f));

    float width = MIN_WIDTH;
    float height = 0.0f;
    if (!title.empty()) {
        width = std::max(width, static_cast<float>(large->measure(title).width));
        height += static_cast<float>(large->lineHeight + lineStep);
    }
    width = std::max(width, static_cast<float>(paragraph.width));
    height += static_cast<float>(paragraph.getChildCount() * lineStep);
    const int buttons = (firstCaption.empty() ? 0 : 1) + (secondCaption.empty() ? 0 : 1);
    if (buttons > 0) {
        height += static_cast<float>(lineStep + 50);
        width = std::max(width, MIN_WIDTH_WITH_BUTTONS);
    }
    if (buttons < 2)
        bCloseOnKeys = true;
    width = std::max(width, height);

    addChildLast(new MenuGroup(position.x, position.y, position.z, "", width + FRAME_MARGIN, height + FRAME_MARGIN));

    float cursor = height / 2.0f;
    if (!title.empty()) {
        RenderableText* caption = new RenderableText(position.x, position.y + cursor, position.z, title, large, WHITE);
        caption->bShadow = false;
        addChildLast(caption);
        cursor -= static_cast<float>(large->lineHeight + lineStep);
    }
    BasicLinkIterator lines(&paragraph);
    while (KivBase* node = lines.next()) {
        const TextLine* line = static_cast<TextLine*>(node);
        int offset = -line->width / 2;
        BasicLinkIterator phrases(node);
        while (KivBase* piece = phrases.next()) {
            const TextPhrase* phrase = static_cast<TextPhrase*>(piece);
            const UColor color = phrase->hasDefaultColor() ? WHITE : phrase->color;
            RenderableText* text = new RenderableText(position.x + static_cast<float>(offset), position.y + cursor,
                                                      position.z, phrase->text, medium, color);
            text->flags = 3;
            text->bShadow = false;
            addChildLast(text);
            offset += phrase->width;
        }
        cursor -= static_cast<float>(lineStep);
    }

    const float buttonY = position.y + cursor - static_cast<float>(lineStep) - 25.0f;
    if (!firstCaption.empty()) {
        const float x = position.x + (buttons == 2 ? -BUTTON_OFFSET : 0.0f);
        pFirstButton = new MenuButton(x, buttonY, position.z, firstCaption, "");
        pFirstButton->setWidth(BUTTON_WIDTH);
        addChildLast(pFirstButton);
    }
    if (!secondCaption.empty()) {
        pSecondButton = new MenuButton(position.x + BUTTON_OFFSET, buttonY, position.z, secondCaption, "");
        pSecondButton->setWidth(BUTTON_WIDTH);
        addChildLast(pSecondButton);
    }
}

ContextDialog* ContextDialog::buildYesNo(const std::string& title, const std::string& message, int* answer)
{
    const Language& language = *pKiv->pLanguage;
    ContextDialog* dialog = new ContextDialog();
    dialog->title = title;
    dialog->message = message;
    dialog->firstCaption = language.getText(Language::YES);
    dialog->secondCaption = language.getText(Language::NO);
    dialog->pAnswer = answer;
    dialog->build();
    return dialog;
}

void ContextDialog::activate(bool firstTime)
{
    if (firstTime)
        pKiv->pResourceManager->findAs<Sound>("pop")->playAtFrequency(1.0f);
}

void ContextDialog::tickContents(double contextT, double contextDt)
{
    Context::tickContents(contextT, contextDt);
    if (pFirstButton && pFirstButton->wasClicked())
        answer(0);
    if (pSecondButton && pSecondButton->wasClicked())
        answer(1);
}

void ContextDialog::answer(int choice)
{
    if (pAnswer)
        *pAnswer = choice;
    bFinished = true;
}

void ContextDialog::renderContents()
{
    if (BasicLink* below = pPrev)
        static_cast<Context*>(below)->render();
    Context::renderContents();
}
