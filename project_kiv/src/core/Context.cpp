#include "Context.h"

#include "Camera.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"

#include <algorithm>

KIV_IMPLEMENT_CLASS(Context, KivBase, nullptr);

Context::Context() : pCamera(new Camera())
{
}

Context::~Context()
{
    delete pCamera;
}

void Context::tick(double, double frameDt)
{
    Context* previous = pKiv ? pKiv->pCurrentContext : nullptr;
    const double cap = pKiv ? pKiv->maxFrameDuration : Kiv::DEFAULT_MAX_FRAME_DURATION;
    dt = std::min(frameDt, cap) * timeScale;
    t += dt;
    if (pBackgroundContext)
        pBackgroundContext->tick(t, frameDt);
    if (pKiv)
        pKiv->pCurrentContext = this;
    pCamera->tick(t, dt);
    prevMouseX = mouseX;
    prevMouseY = mouseY;
    if (pKiv && pKiv->pInput) {
        V3 world = pCamera->screen2world(pKiv->pInput->mouseX, pKiv->pInput->mouseY, 0.0f);
        mouseX = world.x;
        mouseY = world.y;
        mouseZ = world.z;
    }
    pObjectUnderMouse = pick(mouseX, mouseY);
    tickContents(t, dt);
    pCamera->lateUpdate(t, dt);
    if (pForegroundContext)
        pForegroundContext->tick(t, frameDt);
    if (pKiv)
        pKiv->pCurrentContext = previous;
}

void Context::render()
{
    Context* previous = pKiv ? pKiv->pCurrentContext : nullptr;
    if (pBackgroundContext)
        pBackgroundContext->render();
    if (pKiv)
        pKiv->pCurrentContext = this;
    KivGraphics* graphics = pKiv ? pKiv->pGraphics : nullptr;
    if (graphics && clearColor.packed() != 0)
        graphics->clear(clearColor);
    float projection[16];
    if (graphics)
        graphics->getProjection(projection);
    pCamera->render();
    renderContents();
    if (graphics)
        graphics->setProjection(projection);
    if (pForegroundContext)
        pForegroundContext->render();
    if (pKiv)
        pKiv->pCurrentContext = previous;
}

void Context::tickContents(double contextT, double contextDt)
{
    KivBase::tick(contextT, contextDt);
}

void Context::renderContents()
{
    KivBase::render();
}
