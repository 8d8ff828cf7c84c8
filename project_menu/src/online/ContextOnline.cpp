#include "ContextOnline.h"

#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "HttpUpload.h"
#include "Kiv.h"
#include "MenuButton.h"
#include "MenuLayout.h"
#include "MessageViewer.h"
#include "NetworkManager.h"
#include "OnlineRequest.h"
#include "RenderableText.h"

namespace {
const UColor WHITE(255, 255, 255, 255);
// Where the message log starts, and how many lines it keeps, so that it
// stays clear of the texts above and the buttons below.
constexpr float VIEWER_TOP = -40.0f;
constexpr int VIEWER_LINES = 5;
} // namespace

ContextOnline::ContextOnline()
    : serverUrl(pKiv->pNetworkManager->getUploadServer()), requestOptions(HttpUpload::defaultOptions()),
      timeLimit(OnlineRequest::DEFAULT_TIME_LIMIT)
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    pViewer = new MessageViewer();
    pViewer->position = V3(0.0f, VIEWER_TOP, 0.0f);
    pViewer->maxLines = VIEWER_LINES;
    addChildLast(pViewer);
    newPage();
}

const char* ContextOnline::text(Language::StringsEnum id)
{
    return pKiv->pLanguage->getText(id);
}

void ContextOnline::newPage()
{
    if (pPage)
        pPage->bDead = 1;
    pPage = new KivBase();
    addChildLast(pPage);
}

void ContextOnline::addTitle(Language::StringsEnum id)
{
    RenderableText* title = new RenderableText(0.0f, MenuLayout::top() - MenuLayout::TITLE_DROP, 0.0f, text(id),
                                               pGlobal->pFontLarge, WHITE);
    title->flags |= FontQuad::PRINT_CENTRE_Y;
    addToPage(title);
}

float ContextOnline::addLines(std::initializer_list<Language::StringsEnum> ids, float y)
{
    for (Language::StringsEnum id : ids) {
        RenderableText* line = new RenderableText(0.0f, y, 0.0f, text(id), pGlobal->pFontMedium, WHITE);
        line->flags |= FontQuad::PRINT_CENTRE_Y;
        addToPage(line);
        y -= LINE_STEP;
    }
    return y;
}

MenuButton* ContextOnline::addButton(float x, float y, Language::StringsEnum caption, const std::string& hint,
                                     int width)
{
    MenuButton* button = addToPage(new MenuButton(x, y, 0.0f, text(caption), hint));
    button->setWidth(width);
    return button;
}

MenuButton* ContextOnline::addLeftButton(Language::StringsEnum caption)
{
    return addButton(MenuLayout::CORNER_INSET_X - MenuLayout::right(), MenuLayout::CORNER_INSET_Y - MenuLayout::top(),
                     caption, "", MenuLayout::CORNER_WIDTH);
}

MenuButton* ContextOnline::addRightButton(Language::StringsEnum caption)
{
    return addButton(MenuLayout::right() - MenuLayout::CORNER_INSET_X, MenuLayout::CORNER_INSET_Y - MenuLayout::top(),
                     caption, "", MenuLayout::CORNER_WIDTH);
}

void ContextOnline::addMessage(const std::string& message)
{
    pViewer->addMessage(message);
}

void ContextOnline::addMessage(Language::StringsEnum id)
{
    pViewer->addMessage(text(id));
}
