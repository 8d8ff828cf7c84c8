#pragma once
// An HTTP server on 127.0.0.1 for the tests of uploads and online requests:
// it answers every connection with what its handler returns for the
// request, on a thread of its own, until it is destroyed. An empty answer
// holds the connection open without replying until the client gives up or
// the server stops.
#include "HttpClient.h"
#include "UString.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <thread>

namespace testsupport {

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
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    UString url(const char* path = "/report") const { return formatString("http://127.0.0.1:%d%s", port, path); }
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
    // A handler that gives every request the same answer.
    static Handler always(const std::string& answer)
    {
        return [answer](const std::string&) { return answer; };
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
            if (!answer.empty())
                send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
            else
                while (!bStop) {
                    pollfd readable = {connection, POLLIN, 0};
                    char buffer[256];
                    const int ready = poll(&readable, 1, 20);
                    if (ready < 0 || (ready > 0 && recv(connection, buffer, sizeof(buffer), 0) <= 0))
                        break;
                }
            close(connection);
        }
    }

    // Reads up to the end of the body that Content-Length announces.
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

// Time limits short enough that a test waiting on a silent server ends soon.
inline HttpClient::Options quickOptions()
{
    HttpClient::Options options;
    options.connectTimeoutMs = 2000;
    options.readTimeoutMs = 2000;
    return options;
}

} // namespace testsupport
