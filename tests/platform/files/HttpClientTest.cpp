#include "HttpClient.h"
#include "LoopbackServer.h"
#include "MultipartForm.h"

#include <gtest/gtest.h>

#include <string>

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

// The request announces its body's length; through a proxy its line holds
// the full address and the Host header the server's name.
TEST(HttpClient, PostsTheBodyItAnnouncesDirectOrThroughAProxy)
{
    const std::string body("\0\1\2\r\n--", 7);
    struct Case { bool bProxy; const char* requestStart; };
    const Case cases[] = {
        {false, "POST /report HTTP/1.0\r\nHost: 127.0.0.1:"},
        {true, "POST http://uploads.invalid:80/kiv/post.php HTTP/1.0\r\nHost: uploads.invalid\r\n"},
    };
    for (const Case& c : cases) {
        LoopbackServer server(LoopbackServer::always("HTTP/1.0 200 OK\r\n\r\n"));
        HttpClient::Options options = quickOptions();
        if (c.bProxy)
            options.proxy = formatString("127.0.0.1:%d", server.port);
        HttpClient::Response response;
        const UString url = c.bProxy ? UString("http://uploads.invalid/kiv/post.php") : server.url();
        ASSERT_TRUE(HttpClient::post(url, "text/plain", body, options, response)) << response.error;
        const std::string request = server.requests().at(0);
        EXPECT_EQ(request.rfind(c.requestStart, 0), 0u) << request;
        EXPECT_NE(request.find("\r\nContent-Length: 7\r\n"), std::string::npos) << request;
        EXPECT_EQ(request.substr(request.size() - body.size()), body);
    }
}

TEST(HttpClient, ParsesOnlyPlainHttpAddresses)
{
    HttpClient::Url url;
    ASSERT_TRUE(HttpClient::parseUrl("HTTP://example.com:8080/a?c=1", url));
    EXPECT_EQ(url.host, "example.com");
    EXPECT_EQ(url.port, 8080);
    EXPECT_EQ(url.path, "/a?c=1");
    for (const char* bad : {"example.com", "https://a/", "http://a:0/", "http://a:8x/", "http://a\r\nX: y/",
                            "http://user@host/"})
        EXPECT_FALSE(HttpClient::parseUrl(bad, url)) << bad;
}

TEST(HttpClient, ABrokenResponseFailsWithItsReason)
{
    struct Case { std::string answer; const char* error; };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nabc", "response cut short"},
        {"HTTP/1.0 200 OK\r\n\r\n" + std::string(1001, 'x'), "response larger than 1000 bytes"},
        {"SSH-2.0-OpenSSH\r\n\r\n", "response has no valid status line"},
    };
    for (const Case& c : cases) {
        LoopbackServer server(LoopbackServer::always(c.answer));
        HttpClient::Options options = quickOptions();
        options.maxResponseBytes = 1000;
        HttpClient::Response response;
        EXPECT_FALSE(HttpClient::post(server.url(), "text/plain", "x", options, response)) << c.error;
        EXPECT_EQ(response.error, c.error);
    }
}

TEST(MultipartForm, FieldsAndFilesBetweenBoundariesAndTheClosingOne)
{
    MultipartForm form;
    form.addField("version", "1.30");
    form.addFile("hst", "Glimmerdaledemo.hst", std::string("\0\1", 2));
    const std::string prefix = "multipart/form-data; boundary=";
    ASSERT_EQ(form.getContentType().rfind(prefix, 0), 0u);
    const std::string boundary = form.getContentType().substr(prefix.size());
    EXPECT_EQ(form.getBody(), "--" + boundary + "\r\nContent-Disposition: form-data; name=\"version\"\r\n\r\n1.30\r\n"
                              "--" + boundary + "\r\nContent-Disposition: form-data; name=\"hst\"; "
                              "filename=\"Glimmerdaledemo.hst\"\r\nContent-Type: application/octet-stream\r\n\r\n" +
                              std::string("\0\1", 2) + "\r\n--" + boundary + "--\r\n");
}

} // namespace
