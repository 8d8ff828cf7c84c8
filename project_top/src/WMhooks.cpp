#include "WMhooks.h"

#include "ContextManager.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivAudio.h"
#include "KivInput.h"
#include "Logger.h"
#include "LostConnection.h"
#include "MyGlobal.h"
#include "ProgramEnd.h"

#include <SDL/SDL.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What had the lost display before us: SDL's handler, which hands it on to
// Xlib's own report and exit.
XIOErrorHandler displayLostBefore = nullptr;

// The display is gone: at a logout the session's X server ends with the
// hang-up, and whichever comes first, Xlib ends the process when this
// returns. Nothing can be drawn any more, so what a quit would save and
// needs no display is saved here, before the usual report. The global
// object may be on its way out already: X is called only while its own
// files are still there to save.
int onDisplayLost(Display* display)
{
    // Xlib reports errno: the connection's own error, not one a save left
    // (the display can go while the exit saves run, and Xlib then meets the
    // loss in a later call of its own) or a read of Xlib's own.
    const int cause = lostConnectionError(ConnectionNumber(display));
    ProgramEnd::beginExitSaves();
    if (pKiv) {
        // A failed save is not shown in a dialog now.
        pKiv->bShuttingDown = true;
        KIV_LOG("The display was lost; the game saves its files and ends.");
    }
    if (pGlobal)
        pGlobal->saveForExit();
    if (pKiv && pKiv->pConfig)
        pKiv->saveConfiguration();
    errno = cause;
    return displayLostBefore ? displayLostBefore(display) : 0;
}

// SDL sets its own handler when it starts the display; ours goes over it.
void handleLostDisplay()
{
    displayLostBefore = XSetIOErrorHandler(onDisplayLost);
}

} // namespace

// The address goes to the desktop's opener as one argument, without a
// shell, so that no character of it is interpreted.
void openWebPage(const UString& address)
{
    if (address.empty())
        return;
    pid_t child = fork();
    if (child == 0) {
        // An ignored signal stays ignored across exec; the game's start-up
        // ignores the file-size and broken-pipe ones for itself only.
        std::signal(SIGXFSZ, SIG_DFL);
        std::signal(SIGPIPE, SIG_DFL);
        execlp("xdg-open", "xdg-open", address.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child > 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
}

void reportUnhandledException()
{
    // Before the engine's error manager exists kivFatal still prints the
    // report (on standard error too) and exits with the same status.
    kivFatal("Error: %s\n Function: %s()\n File: %s\n Line: %d", "Unhandled exception.", "doFrame", __FILE__, 69);
}

void startGame(const KivHost& host)
{
    new Kiv(host);
    handleLostDisplay();
    pGlobal = new MyGlobal();
    pGlobal->initPreLoader();
    kivLog("doFrame", "%s", "Entering game loop.");
}

bool doFrame()
{
    try {
        if (!pKiv)
            startGame(KivHost::desktop());
        pKiv->frame(pGlobal->pContextManager);
        return !pGlobal->pContextManager->bQuit;
    } catch (...) {
        reportUnhandledException();
    }
}

void windowMouseDown(int x, int y)
{
    if (pKiv && pKiv->pInput)
        pKiv->pInput->setMouseGrab(true, static_cast<float>(x), static_cast<float>(y), 0.0f);
}

void windowFocusGained()
{
    if (!pKiv)
        return;
    kivLog("windowFocusGained", "%s", "Window focus gained.");
    pKiv->bAppActive = true;
}

void windowFocusLost()
{
    if (!pKiv)
        return;
    kivLog("windowFocusLost", "%s", "Window focus lost.");
    pKiv->bAppActive = false;
}

void shutdown()
{
    if (!pGlobal)
        return;
    ProgramEnd::beginExitSaves();
    UString address = pGlobal->urlToOpenOnExit;
    pKiv->pAudio->pauseDevice();
    delete pGlobal;
    pGlobal = nullptr;
    delete pKiv;
    ProgramEnd::exitSavesDone();
    openWebPage(address);
}

bool handleWindowEvent(const SDL_Event& event)
{
    bool quit = false;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_F4 && (event.key.keysym.mod & 0xF00))
            quit = true;
        break;
    case SDL_MOUSEBUTTONDOWN:
        windowMouseDown(event.button.x, event.button.y);
        break;
    case SDL_QUIT:
        quit = true;
        break;
    case SDL_ACTIVEEVENT:
        if (event.active.state & SDL_APPINPUTFOCUS) {
            if (event.active.gain == 1)
                windowFocusGained();
            else
                windowFocusLost();
        }
        break;
    default:
        break;
    }
    if (pKiv)
        pKiv->sdlOnEvent(event);
    return quit;
}

bool pollWindowEvent(SDL_Event& event)
{
    return SDL_PollEvent(&event) != 0;
}

bool runLoopPass(WindowEventSource nextEvent)
{
    bool quit = false;
    SDL_Event event;
    // A termination request ends the game as the window's close does.
    if (ProgramEnd::takeRequest()) {
        std::memset(&event, 0, sizeof(event));
        event.type = SDL_QUIT;
        quit = handleWindowEvent(event);
    }
    while (nextEvent(event))
        if (handleWindowEvent(event))
            quit = true;
    return doFrame() && !quit;
}

extern "C" int SDL_main(int, char*[])
{
    while (runLoopPass(pollWindowEvent)) {
    }
    shutdown();
    return 0;
}
