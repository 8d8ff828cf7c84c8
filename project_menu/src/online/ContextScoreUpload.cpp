#include "ContextScoreUpload.h"

#include "DataFolder.h"
#include "Global.h"
#include "Kiv.h"
#include "MultipartForm.h"
#include "OnlineRequest.h"

#include <fstream>

namespace {
// The block's file is a few kilobytes; anything far larger is not it.
constexpr size_t MAX_BLOCK_FILE_BYTES = 64 * 1024;
} // namespace

ContextScoreUpload::ContextScoreUpload()
    : ContextUploadOffer(Language::UPLOADSCORES, {Language::UPLOADTEXT1, Language::UPLOADTEXT2, Language::UPLOADTEXT3},
                         {Language::UPLOADSCORESWIZARD, Language::ERRORREPORTWIZARD2})
{
}

UString ContextScoreUpload::getBlockPath()
{
    return getDataFolder(true) + "/" + HSTdata::getFileName();
}

bool ContextScoreUpload::buildForm(MultipartForm& form)
{
    HSTdata& hst = pGlobal->hst;
    hst.save(*pKiv->pFileManager);
    std::ifstream file(getBlockPath(), std::ios::binary);
    if (!file)
        return false;
    std::string bytes;
    char buffer[4096];
    while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(file.gcount()));
        if (bytes.size() > MAX_BLOCK_FILE_BYTES)
            return false;
    }
    if (file.bad() || bytes.empty())
        return false;
    OnlineRequest::addCommonFields(form, "highscores", hst.installationId);
    form.addField("country", std::string(hst.countryCode, sizeof(hst.countryCode)));
    form.addFile("hst", HSTdata::getFileName(), bytes);
    return true;
}

bool ContextScoreUpload::prepareForm(MultipartForm& form, std::string& message)
{
    if (!buildForm(form)) {
        message = "The high-score file could not be read.";
        return false;
    }
    message = text(Language::STARTINGDOTS);
    return true;
}
