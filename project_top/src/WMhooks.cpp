#include "WMhooks.h"

#include "ContextManager.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivInput.h"
#include "Logger.h"
#include "MyGlobal.h"

#include <SDL/SDL.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

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

bool doFrame()
{
    try {
        if (!pKiv) {
            new Kiv();
            pGlobal = new MyGlobal();
            pGlobal->initPreLoader();
            KIV_LOG("Entering game loop.");
        }
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
    UString address = pGlobal->urlToOpenOnExit;
    pKiv->pAudio->pauseDevice();
    delete pGlobal;
    pGlobal = nullptr;
    delete pKiv;
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

extern "C" int SDL_main(int, char*[])
{
    for (;;) {
        bool quit = false;
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (handleWindowEvent(event))
                quit = true;
        if (!doFrame() || quit)
            break;
    }
    shutdown();
    return 0;
}
