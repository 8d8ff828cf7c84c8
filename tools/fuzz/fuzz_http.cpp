// Fuzz target: what comes back from the upload server: the HTTP response
// reader, then the connection test's reading of the body.
#include "ConnectionTest.h"
#include "FuzzSeeds.h"
#include "HttpClient.h"

#include <cstdlib>

namespace {
constexpr size_t MAX_BODY = 4096;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HttpClient::Response response;
    if (!HttpClient::parseResponse(std::string(reinterpret_cast<const char*>(data), size), MAX_BODY, response))
        return 0;
    if (response.body.size() > MAX_BODY || response.statusCode < 100 || response.statusCode > 999)
        std::abort();
    NetAddress address;
    ConnectionTest::parseReply(response.body, address);
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    return {
        "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 25\r\n\r\naddress=203.0.113.7:4000\n",
        "HTTP/1.1 500 Internal Server Error\r\nServer: test\r\ncontent-length: 0\r\n\r\n",
        "HTTP/1.0 201 Created\n\nresult=ok\r\naddress=10.0.0.1\r\n",
    };
}
