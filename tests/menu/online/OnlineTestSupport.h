#pragma once
// Shared by the online and option screen tests: the item tests' engine
// (640 x 480 window, screen stack in Global, English texts), a loopback HTTP
// server the tests start on 127.0.0.1, and helpers that drive a screen on
// the stack with a fixed dt and simulated clicks.
#include "../items/ItemTestSupport.h"

#include "BasicLinkIterator.h"
#include "MenuButton.h"
#include "NetAddress.h"
#include "UdpSocket.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace onlinetest {

using namespace itemtest;

// An HTTP server on 127.0.0.1 that answers every request with what its
// handler returns for it; an empty answer holds the connection open without
// replying until the client gives up or the server stops.
class LoopbackServer {
public:
    using Handler = std::function<std::string(const std::string& request)>;

    explicit LoopbackServer(Handler requestHandler) : handler(std::move(requestHandler))
    {
        listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(listener, 8) != 0 ||
            getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            ADD_FAILURE() << "cannot listen on 127.0.0.1";
        port = ntohs(address.sin_port);
        worker = std::thread([this] { serve(); });
    }
    ~LoopbackServer()
    {
        bStop = true;
        worker.join();
        close(listener);
    }

    UString url() const { return formatString("http://127.0.0.1:%d/report", port); }
    std::vector<std::string> requests()
    {
        std::lock_guard<std::mutex> guard(lock);
        return received;
    }

    // An answer with the status and body.
    static std::string reply(int status, const std::string& body = "")
    {
        return formatString("HTTP/1.0 %d Status\r\nContent-Type: text/plain\r\nContent-Length: %zu\r\n\r\n", status,
                            body.size()) +
               body;
    }

    int port = 0;

private:
    void serve()
    {
        while (!bStop) {
            pollfd waiting = {listener, POLLIN, 0};
            if (poll(&waiting, 1, 20) <= 0)
                continue;
            const int connection = accept(listener, nullptr, nullptr);
            if (connection < 0)
                continue;
            const std::string request = readRequest(connection);
            {
                std::lock_guard<std::mutex> guard(lock);
                received.push_back(request);
            }
            const std::string answer = handler(request);
            if (!answer.empty()) {
                send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
            } else {
                char buffer[256];
                while (!bStop) {
                    pollfd readable = {connection, POLLIN, 0};
                    const int ready = poll(&readable, 1, 20);
                    if (ready < 0 || (ready > 0 && recv(connection, buffer, sizeof(buffer), 0) <= 0))
                        break;
                }
            }
            close(connection);
        }
    }

    std::string readRequest(int connection)
    {
        std::string request;
        char buffer[4096];
        while (!bStop) {
            pollfd readable = {connection, POLLIN, 0};
            if (poll(&readable, 1, 5000) <= 0)
                break;
            const ssize_t got = recv(connection, buffer, sizeof(buffer), 0);
            if (got <= 0)
                break;
            request.append(buffer, static_cast<size_t>(got));
            const size_t end = request.find("\r\n\r\n");
            const size_t lengthAt = request.find("Content-Length: ");
            if (end != std::string::npos && lengthAt != std::string::npos &&
                request.size() >= end + 4 + std::stoul(request.substr(lengthAt + 16)))
                break;
        }
        return request;
    }

    Handler handler;
    int listener = -1;
    std::atomic<bool> bStop{false};
    std::mutex lock;
    std::vector<std::string> received;
    std::thread worker;
};

// The value of a multipart field (or file) called name in a request; empty
// when there is none.
inline std::string formField(const std::string& request, const std::string& name)
{
    const size_t header = request.find("name=\"" + name + "\"");
    if (header == std::string::npos)
        return "";
    const size_t start = request.find("\r\n\r\n", header);
    const size_t end = request.find("\r\n--", start + 4);
    if (start == std::string::npos || end == std::string::npos)
        return "";
    return request.substr(start + 4, end - start - 4);
}

// A port on 127.0.0.1 on which nothing listens.
inline int closedPort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    bind(probe, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
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
