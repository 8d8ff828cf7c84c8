#pragma once
// RuntimeClassManager: the registry of every RuntimeClass record. Records
// register themselves during static initialisation; buildClassArray sorts
// them by name and numbers them. Used during start-up (main thread); the
// registry itself outlives every record.
#include "RuntimeClass.h"

#include <vector>

class RuntimeClassManager {
public:
    static RuntimeClassManager& getInstance();

    void registerClass(RuntimeClass* record);
    // Also drops the record from the class array.
    void unregisterClass(RuntimeClass* record);
    // Sorts the records by name and stores each one's index. Sets
    // bBadClasses when two records share a name.
    void buildClassArray();
    const RuntimeClass* findByName(const UString& name) const;
    const RuntimeClass* findById(uint32_t classId) const;
    // By class number; null outside the class array.
    const RuntimeClass* findByIndex(int index) const;

    std::vector<RuntimeClass*> classArray;
    bool bBadClasses = false;

private:
    RuntimeClass* pFirstRegistered = nullptr;
};
