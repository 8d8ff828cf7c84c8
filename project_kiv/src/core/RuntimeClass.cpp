#include "RuntimeClass.h"

#include "RuntimeClassManager.h"

RuntimeClass::RuntimeClass(const char* className, const RuntimeClass* parentClass, Factory factoryFunction)
    : name(className), classId(hashName(className)), factory(factoryFunction), pParent(parentClass)
{
    RuntimeClassManager::getInstance().registerClass(this);
}

RuntimeClass::~RuntimeClass()
{
    RuntimeClassManager::getInstance().unregisterClass(this);
}

bool RuntimeClass::isDerivedFrom(const RuntimeClass* other) const
{
    for (const RuntimeClass* record = this; record; record = record->pParent)
        if (record == other)
            return true;
    return false;
}

uint32_t RuntimeClass::hashName(const char* text)
{
    uint32_t h = 0;
    for (const signed char* c = reinterpret_cast<const signed char*>(text); *c; ++c)
        h = h * 33 + static_cast<uint32_t>(static_cast<int32_t>(*c));
    return h;
}
