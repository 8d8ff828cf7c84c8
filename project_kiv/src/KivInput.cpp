#include "KivInput.h"

#include "Logger.h"

#include <SDL/SDL.h>

KivInput::KivInput()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

KivInput::~KivInput() = default;

void KivInput::onEvent(const SDL_Event&)
{
}

void KivInput::update()
{
    std::copy(std::begin(current), std::end(current), std::begin(previous));
}

void KivInput::reset()
{
    std::fill(std::begin(current), std::end(current), false);
    std::fill(std::begin(previous), std::end(previous), false);
    lastKeyCode = 0;
    lastKeyChar = 0;
}

bool KivInput::isDown(int code) const
{
    return code > 0 && code < KEY_COUNT && current[code];
}

bool KivInput::wentDown(int code) const
{
    return code > 0 && code < KEY_COUNT && current[code] && !previous[code];
}

bool KivInput::isMouseButtonPressed() const
{
    for (int code = 308; code < KEY_COUNT; ++code)
        if (wentDown(code))
            return true;
    return false;
}

int KivInput::getPressedKey() const
{
    for (int code = 1; code < KEY_COUNT; ++code)
        if (wentDown(code))
            return code;
    return 0;
}

int KivInput::getKeyChar(int code) const
{
    if (code < 1 || code > 255 || code != lastKeyCode)
        return 0;
    return lastKeyChar;
}

void KivInput::setMouseGrab(bool on, float, float, float)
{
    bGrabbed = on;
}

int KivInput::scanCodeFromSDLKey(int)
{
    return 0;
}
