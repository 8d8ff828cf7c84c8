#pragma once
// OnlineRequest: one request of the online screens (crash report, connection
// test, score upload) to the maker's web server. The form goes out as a
// multipart upload on a worker thread of its own (HttpUpload); the screen
// that owns the request polls it once per frame with its own clock and never
// waits for the network. A request that takes longer than its time limit is
// abandoned, which cancels the transfer. Destroying a running request cancels
// it too. Main thread only (the worker is HttpUpload's).
#include "HttpClient.h"
#include "UString.h"

#include <memory>
#include <string>

class HttpUpload;
class MultipartForm;

class OnlineRequest {
public:
    enum Status { STATUS_RUNNING, STATUS_SUCCEEDED, STATUS_FAILED };

    // Seconds a request may take in all, whatever the client's own time-outs.
    static constexpr double DEFAULT_TIME_LIMIT = 60.0;

    // Sends form to serverUrl ("http://host[:port]/path"); an empty address
    // fails at once. now is the owner's clock in seconds.
    OnlineRequest(const UString& serverUrl, const MultipartForm& form, const HttpClient::Options& options,
                  double timeLimit, double now);
    ~OnlineRequest();
    OnlineRequest(const OnlineRequest&) = delete;
    OnlineRequest& operator=(const OnlineRequest&) = delete;

    // Running until a reply or a failure; a reply with a status from 200 to
    // 299 succeeds, any other status fails. Once ended the status stays.
    Status poll(double now);
    Status getStatus() const { return status; }
    // The reply's HTTP status code; 0 when none arrived.
    int getStatusCode() const { return statusCode; }
    // The reply's body once succeeded.
    const std::string& getBody() const { return body; }
    // Why the request failed, for the screen's message log: the string
    // table's "Failed with status code: %d" for a refused request, else the
    // transfer's own reason. Empty unless failed.
    const UString& getFailureText() const { return failureText; }

    // The fields every request carries: "request" (what is sent), the
    // application name, its version and the installation's identifier.
    static void addCommonFields(MultipartForm& form, const char* request, uint32_t installationId);

private:
    void fail(const UString& text);

    std::unique_ptr<HttpUpload> pUpload;
    double deadline;
    Status status = STATUS_RUNNING;
    int statusCode = 0;
    std::string body;
    UString failureText;
};
