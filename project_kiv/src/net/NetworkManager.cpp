#include "NetworkManager.h"

#include "HttpUpload.h"
#include "Kiv.h"
#include "Logger.h"
#include "MemoryIniFile.h"

NetworkManager::NetworkManager()
{
    KIV_LOG("Starting...");
    MemoryIniFile edition(Kiv::getEditionSettingsName());
    if (edition.hasKey("Network", "uploadServer"))
        uploadServer = edition.getString("Network", "uploadServer");
    if (uploadServer.empty())
        KIV_LOG("No upload server configured.");
    else
        KIV_LOG("Upload server: %s", uploadServer.c_str());
    KIV_LOG("Started.");
}

NetworkManager::~NetworkManager() = default;

std::unique_ptr<HttpUpload> NetworkManager::startUpload(const MultipartForm& form) const
{
    return std::make_unique<HttpUpload>(uploadServer, form);
}
