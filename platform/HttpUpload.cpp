#include "HttpUpload.h"

#include <mutex>
#include <thread>

struct HttpUpload::Shared {
    std::atomic<bool> bCancel{false};
    mutable std::mutex lock;
    Status status = STATUS_RUNNING;
    HttpClient::Response response;
};

HttpUpload::HttpUpload(const UString& serverUrl, const MultipartForm& form)
    : HttpUpload(serverUrl, form, defaultOptions())
{
}

HttpUpload::HttpUpload(const UString& serverUrl, const MultipartForm& form, const HttpClient::Options& options)
    : pShared(std::make_shared<Shared>())
{
    if (serverUrl.empty()) {
        pShared->status = STATUS_FAILED;
        pShared->response.error = "No upload server is configured";
        return;
    }
    // The worker holds its own reference to the shared state, so an upload
    // object destroyed mid-transfer leaves nothing dangling behind it.
    std::thread worker([shared = pShared, serverUrl, contentType = form.getContentType(), body = form.getBody(),
                        options]() {
        HttpClient::Response response;
        const bool ok = HttpClient::post(serverUrl, contentType, body, options, response, &shared->bCancel);
        std::lock_guard<std::mutex> guard(shared->lock);
        shared->response = std::move(response);
        shared->status = ok ? STATUS_DONE : STATUS_FAILED;
    });
    worker.detach();
}

HttpUpload::~HttpUpload()
{
    pShared->bCancel = true;
}

HttpClient::Options HttpUpload::defaultOptions()
{
    HttpClient::Options options;
    options.proxy = HttpClient::proxyFromEnvironment();
    return options;
}

HttpUpload::Status HttpUpload::getStatus() const
{
    std::lock_guard<std::mutex> guard(pShared->lock);
    return pShared->status;
}

int HttpUpload::getStatusCode() const
{
    std::lock_guard<std::mutex> guard(pShared->lock);
    return pShared->status == STATUS_DONE ? pShared->response.statusCode : 0;
}

UString HttpUpload::getStatusText() const
{
    std::lock_guard<std::mutex> guard(pShared->lock);
    switch (pShared->status) {
    case STATUS_RUNNING: return "Uploading...";
    case STATUS_DONE: return formatString("Upload finished (HTTP %d).", pShared->response.statusCode);
    default: return formatString("Upload failed: %s.", pShared->response.error.c_str());
    }
}

std::string HttpUpload::getResponseBody() const
{
    std::lock_guard<std::mutex> guard(pShared->lock);
    return pShared->status == STATUS_DONE ? pShared->response.body : std::string();
}
