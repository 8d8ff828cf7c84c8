#include "RuntimeClassManager.h"

#include <algorithm>

RuntimeClassManager& RuntimeClassManager::getInstance()
{
    static RuntimeClassManager instance;
    return instance;
}

void RuntimeClassManager::registerClass(RuntimeClass* record)
{
    record->pNextRegistered = pFirstRegistered;
    pFirstRegistered = record;
}

void RuntimeClassManager::unregisterClass(RuntimeClass* record)
{
    for (RuntimeClass** link = &pFirstRegistered; *link; link = &(*link)->pNextRegistered)
        if (*link == record) {
            *link = record->pNextRegistered;
            break;
        }
    classArray.erase(std::remove(classArray.begin(), classArray.end(), record), classArray.end());
}

void RuntimeClassManager::buildClassArray()
{
    classArray.clear();
    for (RuntimeClass* record = pFirstRegistered; record; record = record->pNextRegistered)
        classArray.push_back(record);
    std::sort(classArray.begin(), classArray.end(),
              [](const RuntimeClass* a, const RuntimeClass* b) { return a->name < b->name; });
    bBadClasses = false;
    for (size_t i = 0; i < classArray.size(); ++i) {
        classArray[i]->index = static_cast<int32_t>(i);
        if (i > 0 && classArray[i]->name == classArray[i - 1]->name)
            bBadClasses = true;
    }
}

const RuntimeClass* RuntimeClassManager::findByName(const UString& name) const
{
    for (const RuntimeClass* record = pFirstRegistered; record; record = record->pNextRegistered)
        if (record->name == name)
            return record;
    return nullptr;
}

const RuntimeClass* RuntimeClassManager::findById(uint32_t classId) const
{
    for (const RuntimeClass* record = pFirstRegistered; record; record = record->pNextRegistered)
        if (record->classId == classId)
            return record;
    return nullptr;
}

const RuntimeClass* RuntimeClassManager::findByIndex(int index) const
{
    if (index < 0 || index >= static_cast<int>(classArray.size()))
        return nullptr;
    return classArray[static_cast<size_t>(index)];
}
