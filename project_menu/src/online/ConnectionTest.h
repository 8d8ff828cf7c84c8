#pragma once
// ConnectionTest: the network wizard's test of the internet connection. It
// opens a UDP socket on a free port and asks the maker's server, over HTTP,
// to send a datagram to that port. The form carries the port ("udpPort") and
// a random token ("token") beside the fields of every request. The server
// answers with a body holding a line "address=a.b.c.d" or
// "address=a.b.c.d:port", the public address it saw, and sends the token
// back in one datagram. The test passes when both the reply and the datagram
// have arrived, so it proves that HTTP goes out and that UDP comes in.
// Owned by the wizard screen, which polls it from the frame loop; nothing
// here waits. Main thread only.
#include "NetAddress.h"
#include "OnlineRequest.h"
#include "UdpSocket.h"

#include <memory>
#include <string>

class MultipartForm;

class ConnectionTest {
public:
    enum Status { STATUS_RUNNING, STATUS_PASSED, STATUS_FAILED };

    // Seconds the datagram may lag behind the HTTP reply.
    static constexpr double DEFAULT_DATAGRAM_WAIT = 10.0;

    // Starts at once: the socket, then the request of form (common fields
    // already in it) to serverUrl. now is the owner's clock in seconds.
    ConnectionTest(const UString& serverUrl, MultipartForm form, const HttpClient::Options& options,
                   double timeLimit, double now);
    ConnectionTest(const ConnectionTest&) = delete;
    ConnectionTest& operator=(const ConnectionTest&) = delete;

    // Reads whatever has arrived; once ended the status stays.
    Status poll(double now);
    Status getStatus() const { return status; }
    // The address the server saw, once passed.
    const NetAddress& getPublicAddress() const { return publicAddress; }
    // Why the test failed; empty unless failed.
    const UString& getFailureText() const { return failureText; }
    // The UDP port the test listens on (0 when the socket could not open).
    int getLocalPort() const { return localPort; }
    const std::string& getToken() const { return token; }

    // Seconds the datagram may lag behind the reply; set before polling.
    double datagramWait = DEFAULT_DATAGRAM_WAIT;

    // The public address named by a reply body; false when it names none.
    static bool parseReply(const std::string& body, NetAddress& address);

private:
    void readDatagrams();
    void fail(const UString& text);

    UdpSocket socket;
    std::unique_ptr<OnlineRequest> pRequest;
    std::string token;
    int localPort = 0;
    bool bDatagramArrived = false;
    bool bReplyArrived = false;
    double datagramDeadline = 0.0;
    Status status = STATUS_RUNNING;
    NetAddress publicAddress;
    UString failureText;
};
