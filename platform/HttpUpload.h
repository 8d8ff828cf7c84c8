#pragma once
// HttpUpload: one multipart/form-data upload (crash report, connection test,
// high-score block) running on a worker thread of its own. The requesting
// screen owns it and polls its status from the frame loop; the worker only
// touches the state shared with the poller. Destroying a running upload
// cancels it without waiting for the network.
#include "HttpClient.h"
#include "MultipartForm.h"

#include <memory>

class HttpUpload {
public:
    enum Status { STATUS_RUNNING, STATUS_DONE, STATUS_FAILED };

    // Starts at once. An empty server address fails at once with the status
    // text "No upload server is configured.".
    HttpUpload(const UString& serverUrl, const MultipartForm& form, const HttpClient::Options& options);
    // As above with the default time-outs and the http_proxy proxy.
    HttpUpload(const UString& serverUrl, const MultipartForm& form);
    ~HttpUpload();
    HttpUpload(const HttpUpload&) = delete;
    HttpUpload& operator=(const HttpUpload&) = delete;

    // Running, done (a response arrived; see getStatusCode) or failed.
    Status getStatus() const;
    // The response's HTTP status code once done, else 0.
    int getStatusCode() const;
    // For the screen's message log: "Uploading...", "Upload finished (HTTP n)."
    // or "Upload failed: <reason>.".
    UString getStatusText() const;
    // The response body once done.
    std::string getResponseBody() const;

    static HttpClient::Options defaultOptions();

private:
    struct Shared;
    std::shared_ptr<Shared> pShared;
};
