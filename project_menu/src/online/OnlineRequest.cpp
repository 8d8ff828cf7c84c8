#include "OnlineRequest.h"

#include "ApplicationInfo.h"
#include "HttpUpload.h"
#include "Kiv.h"
#include "Language.h"
#include "MultipartForm.h"

OnlineRequest::OnlineRequest(const UString& serverUrl, const MultipartForm& form, const HttpClient::Options& options,
                             double timeLimit, double now)
    : pUpload(std::make_unique<HttpUpload>(serverUrl, form, options)), deadline(now + timeLimit)
{
}

OnlineRequest::~OnlineRequest() = default;

OnlineRequest::Status OnlineRequest::poll(double now)
{
    if (status != STATUS_RUNNING)
        return status;
    switch (pUpload->getStatus()) {
    case HttpUpload::STATUS_RUNNING:
        if (now >= deadline) {
            // Dropping the upload cancels the transfer without waiting for it.
            pUpload.reset();
            fail("Upload failed: the server did not answer in time.");
        }
        break;
    case HttpUpload::STATUS_DONE:
        statusCode = pUpload->getStatusCode();
        if (statusCode >= 200 && statusCode <= 299) {
            body = pUpload->getResponseBody();
            status = STATUS_SUCCEEDED;
        } else {
            fail(formatString(pKiv->pLanguage->getText(Language::FAILEDWITHCODE), statusCode));
        }
        pUpload.reset();
        break;
    case HttpUpload::STATUS_FAILED:
        fail(pUpload->getStatusText());
        pUpload.reset();
        break;
    }
    return status;
}

void OnlineRequest::fail(const UString& text)
{
    status = STATUS_FAILED;
    failureText = text;
}

void OnlineRequest::addCommonFields(MultipartForm& form, const char* request, uint32_t installationId)
{
    form.addField("request", request);
    form.addField("application", APPLICATION_NAME);
    form.addField("version", APPLICATION_VERSION);
    form.addField("installation", formatString("%08x", installationId));
}
