#include "HttpClient.h"
#include "LoopbackServer.h"

#include <gtest/gtest.h>

namespace {

using testsupport::LoopbackServer;
using testsupport::quickOptions;

// The body is what Content-Length announces, to its last byte; without the
// header it runs to the end of the connection.
TEST(HttpClient, ReadsTheBodyOfExactlyItsContentLength)
{
    struct Case { const char* answer; const char* body; };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello", "hello"},
        {"HTTP/1.0 200 OK\r\ncontent-length: 2\r\n\r\nhello", "he"},
        {"HTTP/1.0 200 OK\r\n\r\nhello", "hello"},
    };
    for (const Case& c : cases) {
        LoopbackServer server(LoopbackServer::always(c.answer));
        HttpClient::Response response;
        EXPECT_TRUE(HttpClient::post(server.url(), "text/plain", "x", quickOptions(), response)) << response.error;
        EXPECT_EQ(response.body, c.body) << c.answer;
    }
}

} // namespace
