#pragma once
// ResourceManager: every texture, skin, font, sound, music track and solution
// set registered once under a short, case-sensitive key. It does not own the
// objects (the global object's resource root does). Owned by Kiv; main
// thread only.
#include "UString.h"

#include <unordered_map>

class KivBase;

class ResourceManager {
public:
    ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // A key already used is a broken assumption.
    void addResource(const UString& key, KivBase* object);
    // Missing: fatal "Could not find resource '%s'." when required, else null.
    KivBase* find(const UString& key, bool required = true) const;
    template <typename T>
    T* findAs(const UString& key, bool required = true) const { return static_cast<T*>(find(key, required)); }
    // The key the object is registered under; empty when it is not.
    UString findKey(const KivBase* object) const;
    void removeResource(const UString& key);
    void clear() { map.clear(); }

private:
    std::unordered_map<UString, KivBase*> map;
};
