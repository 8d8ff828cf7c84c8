#include "OnlineTestSupport.h"

#include "ConnectionTest.h"
#include "MultipartForm.h"
#include "OnlineRequest.h"

namespace {

using namespace onlinetest;

// Polls with a clock that advances 0.1 s a poll from start, sleeping 10 ms
// between polls, until the request ends or the clock passes end.
template <typename Request>
auto pollUntilEnd(Request& request, double start, double end)
{
    double now = start;
    auto status = request.poll(now);
    while (status == decltype(status)(0) && now < end + 1.0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        now += 0.1;
        status = request.poll(now);
    }
    return status;
}

// Time limits on the polling clock: one that a request answered at once
// never meets, however busy the machine, and one that a silent server does.
constexpr double ANSWERED_LIMIT = 1000.0;
constexpr double SILENT_LIMIT = 2.0;

// The owner's clock stands at 100 s when the request starts.
TEST(OnlineRequest, EndsWithTheServersVerdictOrAClearReason)
{
    struct Case { const char* name; std::string answer; OnlineRequest::Status status; int statusCode;
        const char* failure; };
    const Case cases[] = {
        {"Accepted", LoopbackServer::reply(200, "thanks"), OnlineRequest::STATUS_SUCCEEDED, 200, ""},
        {"AcceptedAtTheTopOfTheRange", LoopbackServer::reply(299, "thanks"), OnlineRequest::STATUS_SUCCEEDED, 299, ""},
        {"PastTheRange", LoopbackServer::reply(300, "moved"), OnlineRequest::STATUS_FAILED, 300,
         "Failed with status code: 300"},
        {"ErrorStatus", LoopbackServer::reply(503, "busy"), OnlineRequest::STATUS_FAILED, 503,
         "Failed with status code: 503"},
        {"TimeOut", "", OnlineRequest::STATUS_FAILED, 0, "Upload failed: the server did not answer in time."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server(LoopbackServer::always(c.answer));
        HttpClient::Options options = quickOptions();
        options.readTimeoutMs = 60000;
        const double limit = c.answer.empty() ? SILENT_LIMIT : ANSWERED_LIMIT;
        OnlineRequest request(server.url(), MultipartForm(), options, limit, 100.0);
        EXPECT_EQ(pollUntilEnd(request, 100.0, 100.0 + limit), c.status);
        EXPECT_EQ(request.getStatusCode(), c.statusCode);
        EXPECT_EQ(request.getFailureText(), c.failure);
        EXPECT_EQ(request.getBody(), c.status == OnlineRequest::STATUS_SUCCEEDED ? "thanks" : "");
        EXPECT_EQ(request.poll(1000.0), c.status) << "an ended request stays ended";
    }
}

struct ConnectionCase { const char* name; const char* body; std::function<std::string(const std::string&)> echo;
    ConnectionTest::Status status; const char* address; const char* failure; };

TEST(ConnectionTest, PassesOnlyWhenTheReplyNamesAnAddressAndTheTokenComesBackOverUdp)
{
    const auto same = [](const std::string& token) { return token; };
    const ConnectionCase cases[] = {
        {"Passed", "ok\r\naddress=203.0.113.7:4000\r\n", same, ConnectionTest::STATUS_PASSED, "203.0.113.7:4000", ""},
        {"WrongToken", "address=203.0.113.7", [](const std::string& t) { return t + "x"; },
         ConnectionTest::STATUS_FAILED, "0.0.0.0:0", "No answer arrived over UDP."},
        {"NoAddress", "hello", same, ConnectionTest::STATUS_FAILED, "0.0.0.0:0",
         "The server's answer named no address."},
        {"BadAddress", "address=300.1.2.3", same, ConnectionTest::STATUS_FAILED, "0.0.0.0:0",
         "The server's answer named no address."},
    };
    for (const ConnectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server(
            [&c](const std::string& request) { return connectionTestAnswer(request, c.body, c.echo); });
        MultipartForm form;
        OnlineRequest::addCommonFields(form, "connectiontest", 1);
        ConnectionTest test(server.url(), form, quickOptions(), ANSWERED_LIMIT, 0.0);
        // A datagram that comes does so at once; one that does not is given
        // up after a second.
        test.datagramWait = c.status == ConnectionTest::STATUS_PASSED ? ANSWERED_LIMIT : 1.0;
        EXPECT_NE(0, test.getLocalPort());
        EXPECT_EQ(c.status, pollUntilEnd(test, 0.0, ANSWERED_LIMIT));
        EXPECT_EQ(c.address, test.getPublicAddress().toString());
        EXPECT_EQ(c.failure, test.getFailureText());
        ASSERT_EQ(1u, server.requests().size());
        EXPECT_EQ("connectiontest", formField(server.requests()[0], "request"));
        EXPECT_EQ(16u, test.getToken().size());
    }
}

} // namespace
