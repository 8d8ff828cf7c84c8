#include "NetworkManager.h"

#include "Logger.h"

NetworkManager::NetworkManager()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

NetworkManager::~NetworkManager() = default;
