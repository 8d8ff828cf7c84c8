#include "HttpClient.h"

#include "ApplicationInfo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Waits are cut into slices so that a cancel request is seen quickly.
constexpr int WAIT_SLICE_MS = 100;
// Room for the status line and headers on top of the body bound.
constexpr size_t MAX_HEADER_BYTES = 16 * 1024;

class Socket {
public:
    Socket() = default;
    ~Socket()
    {
        if (descriptor >= 0)
            close(descriptor);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    void reset(int newDescriptor)
    {
        if (descriptor >= 0)
            close(descriptor);
        descriptor = newDescriptor;
    }
    int descriptor = -1;
};

bool cancelled(const std::atomic<bool>* pCancel)
{
    return pCancel && pCancel->load();
}

// 1: ready, 0: timed out, -1: cancelled or failed.
int waitFor(int descriptor, short events, int timeoutMs, const std::atomic<bool>* pCancel)
{
    for (int waited = 0; waited < timeoutMs; waited += WAIT_SLICE_MS) {
        if (cancelled(pCancel))
            return -1;
        pollfd entry = {descriptor, events, 0};
        int ready = poll(&entry, 1, std::min(WAIT_SLICE_MS, timeoutMs - waited));
        if (ready > 0)
            return 1;
        if (ready < 0 && errno != EINTR)
            return -1;
    }
    return 0;
}

bool connectTo(const HttpClient::Url& target, int timeoutMs, const std::atomic<bool>* pCancel, Socket& socketOut,
               UString& error)
{
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    const UString port = formatString("%d", target.port);
    int resolved = getaddrinfo(target.host.c_str(), port.c_str(), &hints, &addresses);
    if (resolved != 0) {
        error = formatString("cannot resolve '%s' (%s)", target.host.c_str(), gai_strerror(resolved));
        return false;
    }
    error = formatString("cannot connect to %s:%d", target.host.c_str(), target.port);
    for (addrinfo* address = addresses; address; address = address->ai_next) {
        socketOut.reset(socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol));
        if (socketOut.descriptor < 0)
            continue;
        fcntl(socketOut.descriptor, F_SETFL, fcntl(socketOut.descriptor, F_GETFL) | O_NONBLOCK);
        int ready = 1;
        if (connect(socketOut.descriptor, address->ai_addr, address->ai_addrlen) != 0) {
            if (errno != EINPROGRESS)
                continue;
            ready = waitFor(socketOut.descriptor, POLLOUT, timeoutMs, pCancel);
        }
        if (ready == 0) {
            error = formatString("connecting to %s:%d timed out", target.host.c_str(), target.port);
            continue;
        }
        int problem = 0;
        socklen_t length = sizeof(problem);
        if (ready > 0 && getsockopt(socketOut.descriptor, SOL_SOCKET, SO_ERROR, &problem, &length) == 0 &&
            problem == 0) {
            freeaddrinfo(addresses);
            error.clear();
            return true;
        }
        if (cancelled(pCancel))
            break;
    }
    freeaddrinfo(addresses);
    if (cancelled(pCancel))
        error = "cancelled";
    return false;
}

bool sendAll(int descriptor, const std::string& bytes, int timeoutMs, const std::atomic<bool>* pCancel,
             UString& error)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t count = send(descriptor, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count > 0) {
            sent += static_cast<size_t>(count);
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            error = formatString("sending failed (%s)", std::strerror(errno));
            return false;
        }
        int ready = waitFor(descriptor, POLLOUT, timeoutMs, pCancel);
        if (ready <= 0) {
            error = ready == 0 ? "sending timed out" : "cancelled";
            return false;
        }
    }
    return true;
}

bool receiveAll(int descriptor, size_t limit, int timeoutMs, const std::atomic<bool>* pCancel, std::string& bytes,
                UString& error)
{
    char buffer[8192];
    for (;;) {
        ssize_t count = recv(descriptor, buffer, sizeof(buffer), 0);
        if (count == 0)
            return true;
        if (count > 0) {
            if (bytes.size() + static_cast<size_t>(count) > limit) {
                error = formatString("response larger than %zu bytes", limit);
                return false;
            }
            bytes.append(buffer, static_cast<size_t>(count));
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            error = formatString("receiving failed (%s)", std::strerror(errno));
            return false;
        }
        int ready = waitFor(descriptor, POLLIN, timeoutMs, pCancel);
        if (ready <= 0) {
            error = ready == 0 ? "waiting for the response timed out" : "cancelled";
            return false;
        }
    }
}

bool startsWithNoCase(const std::string& text, const char* prefix)
{
    size_t length = std::strlen(prefix);
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

bool safeText(const std::string& text)
{
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7F)
            return false;
    return true;
}

} // namespace

UString HttpClient::proxyFromEnvironment()
{
    const char* value = std::getenv("http_proxy");
    return value ? UString(value) : UString();
}

bool HttpClient::parseUrl(const UString& url, Url& parsed)
{
    if (!startsWithNoCase(url, "http://") || !safeText(url))
        return false;
    const size_t hostStart = 7;
    size_t hostEnd = url.find_first_of(":/", hostStart);
    Url result;
    result.host = url.substr(hostStart, hostEnd == std::string::npos ? std::string::npos : hostEnd - hostStart);
    if (result.host.empty() || result.host.find('@') != std::string::npos)
        return false;
    size_t pathStart = hostEnd;
    if (hostEnd != std::string::npos && url[hostEnd] == ':') {
        pathStart = url.find('/', hostEnd);
        std::string digits = url.substr(hostEnd + 1, pathStart == std::string::npos ? std::string::npos
                                                                                     : pathStart - hostEnd - 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        result.port = std::atoi(digits.c_str());
        if (result.port < 1 || result.port > 65535)
            return false;
    }
    if (pathStart != std::string::npos)
        result.path = url.substr(pathStart);
    parsed = result;
    return true;
}

bool HttpClient::parseResponse(const std::string& raw, size_t maxBody, Response& response)
{
    size_t headerEnd = raw.find("\r\n\r\n");
    size_t bodyStart = headerEnd == std::string::npos ? std::string::npos : headerEnd + 4;
    if (headerEnd == std::string::npos) {
        headerEnd = raw.find("\n\n");
        bodyStart = headerEnd == std::string::npos ? std::string::npos : headerEnd + 2;
    }
    if (headerEnd == std::string::npos) {
        response.error = "response has no complete header";
        return false;
    }
    int major = 0, minor = 0, code = 0;
    if (std::sscanf(raw.c_str(), "HTTP/%d.%d %3d", &major, &minor, &code) != 3 || code < 100 || code > 999) {
        response.error = "response has no valid status line";
        return false;
    }
    response.statusCode = code;
    std::string body = raw.substr(bodyStart);
    size_t lineStart = raw.find('\n') + 1;
    while (lineStart < headerEnd) {
        size_t lineEnd = raw.find('\n', lineStart);
        std::string line = raw.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!startsWithNoCase(line, "content-length:"))
            continue;
        char* end = nullptr;
        unsigned long long declared = std::strtoull(line.c_str() + 15, &end, 10);
        if (declared > body.size()) {
            response.error = "response cut short";
            return false;
        }
        body.resize(static_cast<size_t>(declared));
    }
    if (body.size() > maxBody) {
        response.error = formatString("response larger than %zu bytes", maxBody);
        return false;
    }
    response.body = std::move(body);
    return true;
}

bool HttpClient::post(const UString& url, const UString& contentType, const std::string& body,
                      const Options& options, Response& response, const std::atomic<bool>* pCancel)
{
    response = Response();
    Url target;
    if (!parseUrl(url, target)) {
        response.error = formatString("'%s' is not an http:// address", url.c_str());
        return false;
    }
    Url connection = target;
    std::string requestTarget = target.path;
    if (!options.proxy.empty()) {
        UString proxy = options.proxy;
        if (proxy.find("://") == std::string::npos)
            proxy = "http://" + proxy;
        if (!parseUrl(proxy, connection)) {
            response.error = formatString("proxy '%s' is not an http:// address", options.proxy.c_str());
            return false;
        }
        requestTarget = formatString("http://%s:%d%s", target.host.c_str(), target.port, target.path.c_str());
    }
    if (contentType.find_first_of("\r\n") != std::string::npos) {
        response.error = "content type holds a line break";
        return false;
    }

    Socket connected;
    if (!connectTo(connection, options.connectTimeoutMs, pCancel, connected, response.error))
        return false;
    std::string request = formatString("POST %s HTTP/1.0\r\n", requestTarget.c_str());
    request += target.port == 80 ? formatString("Host: %s\r\n", target.host.c_str())
                                 : formatString("Host: %s:%d\r\n", target.host.c_str(), target.port);
    request += formatString("User-Agent: %s/%s\r\n", APPLICATION_NAME, APPLICATION_VERSION);
    request += formatString("Content-Type: %s\r\n", contentType.c_str());
    request += formatString("Content-Length: %zu\r\n", body.size());
    request += "Connection: close\r\n\r\n";
    request += body;
    if (!sendAll(connected.descriptor, request, options.readTimeoutMs, pCancel, response.error))
        return false;
    std::string raw;
    if (!receiveAll(connected.descriptor, options.maxResponseBytes + MAX_HEADER_BYTES, options.readTimeoutMs, pCancel,
                    raw, response.error))
        return false;
    return parseResponse(raw, options.maxResponseBytes, response);
}
