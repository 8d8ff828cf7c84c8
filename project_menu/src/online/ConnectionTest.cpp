#include "ConnectionTest.h"

#include "MultipartForm.h"

#include <random>

namespace {
// Longer datagrams are not the server's answer; they are read and dropped.
constexpr size_t DATAGRAM_CAPACITY = 512;
} // namespace

ConnectionTest::ConnectionTest(const UString& serverUrl, MultipartForm form, const HttpClient::Options& options,
                               double timeLimit, double now)
{
    if (!socket.open(NetAddress())) {
        fail("Could not open a UDP port.");
        return;
    }
    localPort = socket.getLocalAddress().getPort();
    std::random_device entropy;
    token = formatString("%08x%08x", entropy(), entropy());
    form.addField("udpPort", formatString("%d", localPort));
    form.addField("token", token);
    pRequest = std::make_unique<OnlineRequest>(serverUrl, form, options, timeLimit, now);
}

ConnectionTest::Status ConnectionTest::poll(double now)
{
    if (status != STATUS_RUNNING)
        return status;
    readDatagrams();
    if (!bReplyArrived) {
        switch (pRequest->poll(now)) {
        case OnlineRequest::STATUS_RUNNING:
            return status;
        case OnlineRequest::STATUS_FAILED:
            fail(pRequest->getFailureText());
            return status;
        case OnlineRequest::STATUS_SUCCEEDED:
            if (!parseReply(pRequest->getBody(), publicAddress)) {
                fail("The server's answer named no address.");
                return status;
            }
            bReplyArrived = true;
            datagramDeadline = now + datagramWait;
            break;
        }
    }
    if (bDatagramArrived) {
        status = STATUS_PASSED;
        socket.close();
    } else if (now >= datagramDeadline) {
        fail("No answer arrived over UDP.");
    }
    return status;
}

void ConnectionTest::readDatagrams()
{
    char buffer[DATAGRAM_CAPACITY];
    NetAddress source;
    // Bounded: a flood of stray datagrams must not stall the frame.
    for (int i = 0; i < 16 && !bDatagramArrived; ++i) {
        const int size = socket.receiveFrom(buffer, sizeof(buffer), source, 0);
        if (size == 0)
            return;
        if (size > 0 && std::string(buffer, static_cast<size_t>(size)) == token)
            bDatagramArrived = true;
    }
}

void ConnectionTest::fail(const UString& text)
{
    status = STATUS_FAILED;
    failureText = text;
    publicAddress = NetAddress();
    socket.close();
    pRequest.reset();
}

bool ConnectionTest::parseReply(const std::string& body, NetAddress& address)
{
    size_t start = 0;
    while (start <= body.size()) {
        size_t end = body.find('\n', start);
        if (end == std::string::npos)
            end = body.size();
        std::string line = body.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        static const std::string KEY = "address=";
        if (line.compare(0, KEY.size(), KEY) == 0) {
            NetAddress parsed;
            if (!parsed.parse(line.substr(KEY.size())))
                return false;
            address = parsed;
            return true;
        }
        start = end + 1;
    }
    return false;
}
