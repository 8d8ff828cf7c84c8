#pragma once
// Shared by the online and option screen tests: the screen tests' engine and
// frames, the loopback HTTP server with a connection-test answer, and
// finding items by caption.
#include "../screens/ScreenTestSupport.h"

#include "BasicLinkIterator.h"
#include "LoopbackServer.h"
#include "MenuButton.h"
#include "MessageViewer.h"
#include "NetAddress.h"
#include "UdpSocket.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace onlinetest {

using namespace itemtest;

using testsupport::formField;
using testsupport::LoopbackServer;
using testsupport::quickOptions;

inline const char* english(Language::StringsEnum id)
{
    return pKiv->pLanguage->getText(id);
}

inline bool hasLine(const MessageViewer& viewer, const std::string& line)
{
    return std::find(viewer.lines.begin(), viewer.lines.end(), line) != viewer.lines.end();
}

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

// A connection-test server: it reports the given address and answers on
// the test's UDP port with the token (or with what echo makes of it).
inline std::string connectionTestAnswer(
    const std::string& request, const std::string& body,
    const std::function<std::string(const std::string&)>& echo = [](const std::string& token) { return token; })
{
    const int port = std::atoi(formField(request, "udpPort").c_str());
    const std::string datagram = echo(formField(request, "token"));
    if (port > 0 && !datagram.empty()) {
        UdpSocket sender;
        sender.open(NetAddress(127, 0, 0, 1, 0));
        sender.sendTo(NetAddress(127, 0, 0, 1, static_cast<uint16_t>(port)), datagram.data(), datagram.size());
    }
    return LoopbackServer::reply(200, body);
}

// The screen tests' fixture, with shorter frames and a wait for the
// workers of uploads.
class ScreenTest : public screentest::ScreenTest {
protected:
    // Short frames, so that an upload's time limits leave its worker time
    // on a loaded machine.
    ScreenTest() { frameSeconds = 0.02; }
    // Opens the screen sending to url, with short time-outs.
    template <typename T>
    T* openSending(T* shown, const UString& url)
    {
        shown->serverUrl = url;
        shown->requestOptions.connectTimeoutMs = 1000;
        shown->requestOptions.readTimeoutMs = 1000;
        return open(shown);
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
};

} // namespace onlinetest
