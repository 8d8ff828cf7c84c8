#pragma once
// HttpClient: a small HTTP/1.0 client over POSIX TCP sockets, the only code
// that opens TCP connections. One call sends one POST and reads the whole
// response, with time-outs on connecting and on every wait for the peer and
// a bound on the response size. It blocks: uploads run it on their own
// worker thread (HttpUpload). Any thread; calls share nothing.
#include "UString.h"

#include <atomic>
#include <string>

class HttpClient {
public:
    struct Options {
        // Milliseconds to wait for the connection to open.
        int connectTimeoutMs = 10000;
        // Milliseconds to wait for each step of sending or receiving.
        int readTimeoutMs = 20000;
        // Largest response body accepted; a longer one is a failure.
        size_t maxResponseBytes = 64 * 1024;
        // "http://host:port/" of a proxy to send the request through; empty for
        // none.
        UString proxy;
    };

    struct Response {
        // The HTTP status code, 0 when none arrived.
        int statusCode = 0;
        std::string body;
        // Why the request failed; empty after a complete response.
        UString error;
    };

    struct Url {
        UString host;
        int port = 80;
        UString path = "/";
    };

    // The proxy named by the http_proxy environment variable, or empty.
    static UString proxyFromEnvironment();
    // Splits "http://host[:port][/path]"; false for anything else (other
    // schemes, bad ports, spaces or control characters).
    static bool parseUrl(const UString& url, Url& parsed);
    // Reads a whole HTTP/1.x response as it came off the wire: the status
    // line, the headers (a Content-Length cuts the body to its length) and a
    // body of at most maxBody bytes. False, with the reason in response.error,
    // for anything else; it never trusts a length it is given.
    static bool parseResponse(const std::string& raw, size_t maxBody, Response& response);
    // Sends body to url with the given Content-Type and reads the reply.
    // True when a complete response arrived, whatever its status code.
    // Setting *pCancel from another thread makes it give up within about
    // a tenth of a second once connected.
    static bool post(const UString& url, const UString& contentType, const std::string& body, const Options& options,
                     Response& response, const std::atomic<bool>* pCancel = nullptr);
};
