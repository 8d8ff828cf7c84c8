#pragma once
// ContextManager: the stack of screens, itself the root context that the
// engine ticks and renders every frame. Its children are the screens, bottom
// first; the last child is the top and the only active screen: only it is
// ticked and drawn. Pushes take effect at the next tick, which activates the
// new top with the input reset; finished screens are popped (and deleted
// when they ask for it) only once they are on top. Escape, the Fire keys and
// mouse presses close screens that allow it, Escape with an optional "Are
// you sure?" dialog. Over every screen it draws the program's mouse pointer,
// the iris fader and the optional frame-rate counter and graph.
//
// Global owns the one instance. The manager owns its two overlay layers (and
// with them the pointer and the fader) but not the screens: a screen that
// does not delete itself when finished belongs to whoever pushed it, and a
// screen deleted by its owner while on the stack simply leaves it. Main
// thread only.
#include "Context.h"
#include "Reference.h"
#include "UString.h"

class MousePointer;
class RadialFader;

class ContextManager : public Context {
    KIV_DECLARE_CLASS()
public:
    // Seconds between refreshes of the frame-rate counter.
    static constexpr double FPS_REFRESH = 0.125;

    // Needs the engine, with "mousePointer" registered.
    ContextManager();
    // Deletes the layers; screens still on the stack are detached, not deleted.
    ~ContextManager() override;

    // Clears the screen's finished flag and puts it on top; the next tick
    // activates it. The stack does not take ownership.
    void pushContext(Context* screen);
    // The top screen, or null when the stack is empty.
    Context* getActiveContext() const;

    // The top screen's pick; screens below are never picked.
    KivBase* pick(float x, float y) override;
    // Pops finished screens, switches and ticks the active one, handles
    // Escape, the close keys and the Escape confirmation.
    void tickContents(double t, double dt) override;
    // The active screen, the pointer, the fader, the frame-rate counter and
    // graph; nothing while the stack is empty.
    void renderContents() override;

    // Set when a tick finds the stack empty; stays set.
    bool bQuit = false;
    // Holds the mouse pointer as its only child.
    Context* pPointerLayer;
    MousePointer* pMousePointer;
    // Holds the fader as its only child.
    Context* pFaderLayer;
    RadialFader* pFader;
    // The active screen of the last tick and of this one. Weak: an owner may
    // delete a screen at any time.
    Reference previouslyActive;
    Reference active;
    float shownFps = 0.0f;
    // shownFps as printed, formatted only when it is refreshed.
    UString shownFpsText = "0.0";
    // Frame time (Kiv::getFrameTime, seconds) of the next refresh of shownFps.
    double nextFpsSample = 0.0;
    // Where the Escape confirmation writes its answer: -1 none, 0 yes, 1 no.
    int dialogAnswer = -1;

private:
    Context* getActive() const;
    Context* popFinishedScreens();
    void switchTo(Context* screen);
    void handleEscape(Context* screen);
    void handleCloseKeys(Context* screen) const;
    void handleConfirmation(Context* screen);
    void renderFps();
    void renderFpsGraph() const;
};
