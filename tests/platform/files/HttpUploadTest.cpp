#include "HttpClient.h"
#include "HttpUpload.h"
#include "LoopbackServer.h"
#include "MultipartForm.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace {

using testsupport::LoopbackServer;
using testsupport::quickOptions;

HttpUpload::Status waitForEnd(const HttpUpload& upload)
{
    for (int i = 0; i < 500 && upload.getStatus() == HttpUpload::STATUS_RUNNING; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return upload.getStatus();
}

TEST(HttpUpload, PostsTheMultipartBodyAndReportsTheStatusCode)
{
    LoopbackServer server(LoopbackServer::always("HTTP/1.0 201 Created\r\nContent-Length: 2\r\n\r\nOK"));
    MultipartForm form;
    form.addField("version", "1.30");
    form.addFile("hst", "Glimmerdaledemo.hst", std::string("\0\1\2\r\n--", 7));
    {
        HttpUpload upload(server.url("/upload"), form, quickOptions());
        ASSERT_EQ(waitForEnd(upload), HttpUpload::STATUS_DONE) << upload.getStatusText();
        EXPECT_EQ(upload.getStatusCode(), 201);
        EXPECT_EQ(upload.getResponseBody(), "OK");
        EXPECT_EQ(upload.getStatusText(), "Upload finished (HTTP 201).");
    }
    const std::string request = server.requests().at(0);
    const std::string boundary = form.getContentType().substr(std::string("multipart/form-data; boundary=").size());
    EXPECT_EQ(request.rfind("POST /upload HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find(formatString("\r\nHost: 127.0.0.1:%d\r\n", server.port)), std::string::npos);
    EXPECT_NE(request.find("\r\nContent-Type: multipart/form-data; boundary=" + boundary + "\r\n"), std::string::npos);
    const std::string expectedBody = "--" + boundary +
                                     "\r\nContent-Disposition: form-data; name=\"version\"\r\n\r\n1.30\r\n"
                                     "--" + boundary +
                                     "\r\nContent-Disposition: form-data; name=\"hst\"; "
                                     "filename=\"Glimmerdaledemo.hst\"\r\nContent-Type: application/octet-stream"
                                     "\r\n\r\n" + std::string("\0\1\2\r\n--", 7) + "\r\n--" + boundary + "--\r\n";
    ASSERT_GE(request.size(), expectedBody.size());
    EXPECT_EQ(request.substr(request.size() - expectedBody.size()), expectedBody);
    EXPECT_NE(request.find(formatString("Content-Length: %zu\r\n", expectedBody.size())), std::string::npos);
}

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

TEST(HttpUpload, FailuresEndWithAClearStatus)
{
    struct Case { const char* what; const char* reply; size_t maxResponse; const char* expected; };
    const Case cases[] = {
        {"silent server", "", 1000, "Upload failed: waiting for the response timed out."},
        {"oversize reply", nullptr, 1000, "Upload failed: response larger than"},
        {"not HTTP", "SSH-2.0-OpenSSH\r\n\r\n", 1000, "Upload failed: response has no valid status line."},
        {"cut short", "HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nabc", 1000, "Upload failed: response cut short."},
        {"no header end", "HTTP/1.0 200 OK\r\n", 1000, "Upload failed: response has no complete header."},
    };
    for (const Case& c : cases) {
        std::string reply = c.reply ? c.reply : "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'x');
        LoopbackServer server(LoopbackServer::always(reply));
        HttpClient::Options options = quickOptions();
        options.readTimeoutMs = 300;
        options.maxResponseBytes = c.maxResponse;
        HttpUpload upload(server.url(), MultipartForm(), options);
        EXPECT_EQ(waitForEnd(upload), HttpUpload::STATUS_FAILED) << c.what;
        EXPECT_EQ(upload.getStatusText().rfind(c.expected, 0), 0u) << c.what << ": " << upload.getStatusText();
        EXPECT_EQ(upload.getStatusCode(), 0) << c.what;
    }
}

} // namespace
