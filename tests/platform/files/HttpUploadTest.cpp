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

// A failure carries no status code, even when the status line had arrived.
TEST(HttpUpload, EndsDoneWithTheStatusCodeOrFailedWithItsReason)
{
    struct Case { const char* answer; HttpUpload::Status status; int code; const char* text; };
    const Case cases[] = {
        {"HTTP/1.0 201 Created\r\n\r\n", HttpUpload::STATUS_DONE, 201, "Upload finished (HTTP 201)."},
        {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nabc", HttpUpload::STATUS_FAILED, 0,
         "Upload failed: response cut short."},
    };
    for (const Case& c : cases) {
        LoopbackServer server(LoopbackServer::always(c.answer));
        HttpUpload upload(server.url(), MultipartForm(), quickOptions());
        EXPECT_EQ(waitForEnd(upload), c.status) << c.answer;
        EXPECT_EQ(upload.getStatusCode(), c.code) << c.answer;
        EXPECT_EQ(upload.getStatusText(), c.text);
    }
}

} // namespace
