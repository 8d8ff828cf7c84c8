#include "ContextManager.h"

#include "ContextDialog.h"
#include "EventManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Language.h"
#include "MousePointer.h"
#include "RadialFader.h"
#include "VertexBuffer.h"

KIV_IMPLEMENT_CLASS(ContextManager, Context, nullptr);

namespace {
// The control whose two bound inputs close screens that close on keys.
constexpr int CONTROL_FIRE = 4;
const UColor GRAPH_SLOW(128, 0, 0, 255);
const UColor GRAPH_FAIR(192, 192, 0, 255);
const UColor GRAPH_FAST(0, 128, 0, 255);
const UColor GRAPH_TARGET(255, 0, 0, 255);

void setVertex(VertexBuffer::Vertex& vertex, float x, float y, UColor color)
{
    vertex = VertexBuffer::Vertex{0.0f, 0.0f, color, x, y, 0.0f};
}
} // namespace

ContextManager::ContextManager()
    : pPointerLayer(new Context()), pMousePointer(new MousePointer()), pFaderLayer(new Context()),
      pFader(new RadialFader())
{
    pPointerLayer->addChildLast(pMousePointer);
    pFaderLayer->addChildLast(pFader);
}

ContextManager::~ContextManager()
{
    delete pPointerLayer;
    delete pFaderLayer;
    while (BasicLink* screen = pFirstChild)
        removeChild(screen);
}

void ContextManager::pushContext(Context* screen)
{
    screen->bFinished = false;
    addChildLast(screen);
}

Context* ContextManager::getActiveContext() const
{
    return static_cast<Context*>(pLastChild);
}

Context* ContextManager::getActive() const
{
    return static_cast<Context*>(active.get());
}

KivBase* ContextManager::pick(float x, float y)
{
    Context* top = getActiveContext();
    return top ? top->pick(x, y) : nullptr;
}

void ContextManager::tickContents(double contextT, double contextDt)
{
    Context* top = popFinishedScreens();
    active.set(top);
    if (!top) {
        bQuit = true;
        return;
    }
    if (top != previouslyActive.get())
        switchTo(top);
    pKiv->pInput->bPointerShown = top->bShowPointer;

    if (top->pPointer)
        top->pPointer->tick(contextT, contextDt);
    pPointerLayer->tick(contextT, contextDt);
    pFaderLayer->tick(contextT, contextDt);
    top->tick(contextT, contextDt);

    handleEscape(top);
    handleCloseKeys(top);
    handleConfirmation(top);
}

Context* ContextManager::popFinishedScreens()
{
    for (;;) {
        Context* top = getActiveContext();
        if (!top || !top->bFinished)
            return top;
        removeChild(top);
        top->deactivate(true);
        pKiv->pEventManager->setMouseOver(nullptr);
        previouslyActive.set(nullptr);
        if (top->bDeleteWhenFinished)
            top->deleteMe();
    }
}

void ContextManager::switchTo(Context* screen)
{
    // Covered, not closed: it comes back when the screens above it are gone.
    if (Context* covered = static_cast<Context*>(previouslyActive.get()))
        covered->deactivate(false);
    pKiv->pEventManager->setMouseOver(nullptr);
    // The press or key that closed or covered the last screen belongs to it:
    // the screen now on top starts with nothing held, so that it cannot see
    // that press as its own in this frame or the next.
    pKiv->pInput->reset();
    screen->activate(screen->bFirstActivation);
    screen->bFirstActivation = false;
    pFader->targetCoverage = 0.0f;
    previouslyActive.set(screen);
}

void ContextManager::handleEscape(Context* screen)
{
    if (!screen->bEscapeCloses || !pKiv->pInput->wentDown(KivInput::KEY_ESCAPE))
        return;
    if (!screen->bConfirmBeforeClose) {
        screen->bFinished = true;
        return;
    }
    pushContext(ContextDialog::buildYesNo(pKiv->pLanguage->getText(Language::CONFIRM), "", &dialogAnswer));
}

void ContextManager::handleCloseKeys(Context* screen) const
{
    if (!screen->bCloseOnKeys)
        return;
    const KivInput& input = *pKiv->pInput;
    const int32_t* fire = pGlobal->hst.keys[CONTROL_FIRE];
    if (input.wentDown(fire[0]) || input.wentDown(fire[1]) || input.isMouseButtonPressed())
        screen->bFinished = true;
}

void ContextManager::handleConfirmation(Context* screen)
{
    if (dialogAnswer != 0)
        return;
    // The dialog lies right above the screen that asked.
    if (BasicLink* asker = screen->pPrev)
        static_cast<Context*>(asker)->bFinished = true;
    dialogAnswer = -1;
}

void ContextManager::renderContents()
{
    Context* screen = getActive();
    if (!screen || !getActiveContext())
        return;
    screen->render();
    if (screen->bShowPointer) {
        if (screen->pPointer)
            screen->pPointer->render();
        else
            pPointerLayer->render();
    }
    pFaderLayer->render();
    // The fonts arrive with the loader, after the first frames.
    if (!screen->bHideFps && pGlobal->hst.bShowFps && pGlobal->pFontSmall)
        renderFps();
    if (pKiv->debugLevel & 0x04)
        renderFpsGraph();
}

void ContextManager::renderFps()
{
    const double now = pKiv->getFrameTime();
    if (now > nextFpsSample) {
        nextFpsSample = now + FPS_REFRESH;
        shownFps = static_cast<float>(pKiv->fps);
        shownFpsText = formatString("%.1lf", static_cast<double>(shownFps));
    }
    const KivGraphics& graphics = *pKiv->pGraphics;
    pGlobal->pFontSmall->printAt(static_cast<float>(graphics.fovWidth / 2 - 2),
                                 static_cast<float>(graphics.fovHeight / 2 - 2), 0.0f, UColor(255, 255, 255, 255),
                                 FontQuad::PRINT_RIGHT | FontQuad::PRINT_NO_CACHE, shownFpsText);
}

void ContextManager::renderFpsGraph() const
{
    KivGraphics& graphics = *pKiv->pGraphics;
    graphics.loadIdentity();
    const int right = graphics.fovWidth / 2;
    const int bottom = -graphics.fovHeight / 2;
    const int samples = Kiv::FPS_HISTORY_SIZE;

    VertexBuffer graph(samples);
    for (int i = 0; i < samples; ++i) {
        const int index = ((pKiv->framesRendered - i) % samples + samples) % samples;
        const int sample = pKiv->fpsHistory[index];
        const UColor color = sample <= 30 ? GRAPH_SLOW : sample <= 60 ? GRAPH_FAIR : GRAPH_FAST;
        setVertex(graph.vertices[i], static_cast<float>(right - i), static_cast<float>(bottom + sample / 4), color);
    }
    graph.markWritten();
    graph.draw(nullptr, VertexBuffer::LINE_STRIP, 0, -1);

    VertexBuffer target(2);
    const float y = static_cast<float>(bottom + pGlobal->hst.maxFps / 4);
    setVertex(target.vertices[0], static_cast<float>(right - samples), y, GRAPH_TARGET);
    setVertex(target.vertices[1], static_cast<float>(right), y, GRAPH_TARGET);
    target.markWritten();
    target.draw(nullptr, VertexBuffer::LINES, 0, -1);
}
