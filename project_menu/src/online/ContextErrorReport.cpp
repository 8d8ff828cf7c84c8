#include "ContextErrorReport.h"

#include "ErrorManager.h"
#include "Global.h"
#include "MultipartForm.h"
#include "OnlineRequest.h"

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace {
// The file's last maxBytes at most; false when it is not a regular file that
// can be read.
bool readTail(const UString& path, size_t maxBytes, std::string& bytes)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const size_t size = static_cast<size_t>(info.st_size);
    const size_t skip = size > maxBytes ? size - maxBytes : 0;
    file.seekg(static_cast<std::streamoff>(skip));
    bytes.assign(size - skip, '\0');
    file.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return !file.bad();
}
} // namespace

ContextErrorReport::ContextErrorReport()
    : ContextUploadOffer(Language::ERRORREPORTTITLE,
                         {Language::ERRORREPORTINTRO1, Language::ERRORREPORTINTRO2, Language::ERRORREPORTINTRO3},
                         {Language::ERRORREPORTWIZARD1, Language::ERRORREPORTWIZARD2})
{
}

bool ContextErrorReport::crashLogExists()
{
    std::string firstByte;
    return readTail(ErrorManager::getCrashLogPath(), 1, firstByte) && !firstByte.empty();
}

void ContextErrorReport::removeCrashFiles()
{
    std::remove(ErrorManager::getCrashLogPath().c_str());
    std::remove(ErrorManager::getCrashScreenshotPath().c_str());
}

bool ContextErrorReport::buildForm(MultipartForm& form, uint32_t installationId, size_t& bytes)
{
    std::string log;
    if (!readTail(ErrorManager::getCrashLogPath(), MAX_LOG_BYTES, log) || log.empty())
        return false;
    OnlineRequest::addCommonFields(form, "crashreport", installationId);
    form.addFile("log", "crash.log", log, "text/plain");
    bytes = log.size();
    std::string screenshot;
    if (readTail(ErrorManager::getCrashScreenshotPath(), MAX_LOG_BYTES, screenshot) && !screenshot.empty()) {
        form.addFile("screenshot", "crash.jpg", screenshot, "image/jpeg");
        bytes += screenshot.size();
    }
    return true;
}

bool ContextErrorReport::prepareForm(MultipartForm& form, std::string& message)
{
    size_t bytes = 0;
    if (!buildForm(form, pGlobal->hst.installationId, bytes)) {
        message = "The crash log could not be read.";
        return false;
    }
    message = formatString(text(Language::ERRORREPORTUPLOADING), Global::formatNumber(static_cast<int>(bytes)).c_str());
    return true;
}

void ContextErrorReport::onSent()
{
    removeCrashFiles();
}

void ContextErrorReport::deactivate(bool closing)
{
    if (closing && getState() != STATE_FAILED)
        removeCrashFiles();
}
