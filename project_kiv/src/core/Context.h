#pragma once
// Context: base class of every screen. The screen stack (ContextManager)
// reads its flags; a screen ends itself by setting bFinished. A screen owns
// its camera and, through the object tree, its items and props; it does not
// own its background and foreground contexts. While a screen is ticked or
// drawn it is the engine's current context. Main thread only.
#include "KivBase.h"
#include "UColor.h"

class Camera;

class Context : public KivBase {
    KIV_DECLARE_CLASS()
public:
    Context();
    ~Context() override;

    // Background tick, camera tick, mouse position update, pick of the
    // object under the mouse, tickContents, camera late update, foreground
    // tick. The clock advances by dt capped at the engine's maximum frame
    // duration, times timeScale.
    void tick(double t, double dt) override;
    // Background render, clear (unless clearColor is 0), projection saved,
    // camera, renderContents, projection restored, foreground render.
    void render() override;
    virtual void activate(bool /*firstTime*/) {}
    virtual void deactivate(bool /*closing*/) {}
    // Default: the KivBase tick (state machine, then children).
    virtual void tickContents(double t, double dt);
    // Default: the children in list order.
    virtual void renderContents();

    bool bFinished = false;
    bool bDeleteWhenFinished = false;
    bool bEscapeCloses = true;
    bool bCloseOnKeys = false;
    bool bConfirmBeforeClose = false;
    bool bShowPointer = true;
    bool bHideFps = false;
    bool bFirstActivation = true;
    KivBase* pPointer = nullptr;
    UColor clearColor;
    Context* pBackgroundContext = nullptr;
    Context* pForegroundContext = nullptr;
    // Owned; a derived constructor may delete it and store another camera.
    Camera* pCamera = nullptr;
    double timeScale = 1.0;
    double t = 0.0;
    double dt = 0.0;
    // The mouse in this screen's world coordinates at depth 0.
    float mouseX = 0.0f, mouseY = 0.0f, mouseZ = 0.0f;
    float prevMouseX = 0.0f, prevMouseY = 0.0f;
    // What this frame's pick found under the mouse.
    KivBase* pObjectUnderMouse = nullptr;
};
