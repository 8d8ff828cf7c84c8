#include "ResourceManager.h"

#include "ErrorManager.h"
#include "Logger.h"

ResourceManager::ResourceManager()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

void ResourceManager::addResource(const UString& key, KivBase* object)
{
    KIV_ASSERT(map.find(key)==map.end());
    map.emplace(key, object);
}

KivBase* ResourceManager::find(const UString& key, bool required) const
{
    auto found = map.find(key);
    if (found != map.end())
        return found->second;
    if (required)
        KIV_ERROR("Could not find resource '%s'.", key.c_str());
    return nullptr;
}

UString ResourceManager::findKey(const KivBase* object) const
{
    for (const auto& entry : map)
        if (entry.second == object)
            return entry.first;
    return UString();
}

void ResourceManager::removeResource(const UString& key)
{
    map.erase(key);
}
