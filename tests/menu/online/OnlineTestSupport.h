#pragma once
// Shared by the online and option screen tests: the item tests' engine
// (640 x 480 window, screen stack in Global, English texts), the loopback
// HTTP server, and helpers that drive a screen on
// the stack with a fixed dt and simulated clicks.
#include "../items/ItemTestSupport.h"

#include "BasicLinkIterator.h"
#include "LoopbackServer.h"
#include "MenuButton.h"
#include "NetAddress.h"
#include "UdpSocket.h"

#include <chrono>
#include <thread>

namespace onlinetest {

using namespace itemtest;

using testsupport::closedPort;
using testsupport::formField;
using testsupport::LoopbackServer;

// Every descendant of root of type T, in tree order.
template <typename T>
void collect(KivBase* root, std::vector<T*>& found)
{
    BasicLinkIterator it(root);
    while (KivBase* child = it.next()) {
        if (T* match = dynamic_cast<T*>(child))
            found.push_back(match);
        collect(child, found);
    }
}

template <typename T>
std::vector<T*> all(KivBase* root)
{
    std::vector<T*> found;
    collect(root, found);
    return found;
}

// The live item of type T whose caption is the text; null when none.
template <typename T = MenuButton>
T* findItem(KivBase* root, const std::string& caption)
{
    for (T* item : all<T>(root))
        if (item->caption == caption && !item->bDead)
            return item;
    return nullptr;
}

// Drives the screen stack: pushes screens and ticks them with a fixed dt.
class ScreenTest : public ItemTest {
protected:
    static constexpr double FRAME = 0.02;

    void frame()
    {
        clock += FRAME;
        pGlobal->pContextManager->tick(clock, FRAME);
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            frame();
    }
    Context* top() const { return pGlobal->pContextManager->getActiveContext(); }
    // Pushes the screen and runs the frame that activates it.
    template <typename T>
    T* open(T* pushed)
    {
        pGlobal->pContextManager->pushContext(pushed);
        frame();
        return pushed;
    }
    // One frame with the mouse over the item and a fresh left press.
    void click(const MenuItem* item) { clickAt(item->position.x, item->position.y); }
    void clickAt(float x, float y)
    {
        moveMouseTo(x, y);
        setInput({MOUSE_LEFT});
        frame();
        setInput({});
        moveMouseTo(300.0f, -230.0f);
    }
    // Ticks, sleeping a little between frames so that worker threads can
    // work, until done says so or about twenty seconds have passed (a loaded
    // machine running many test programs at once can be slow to schedule the
    // upload's worker).
    bool waitFor(const std::function<bool()>& done)
    {
        for (int i = 0; i < 2000; ++i) {
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            frame();
        }
        return done();
    }

    double clock = 0.0;
};

} // namespace onlinetest
