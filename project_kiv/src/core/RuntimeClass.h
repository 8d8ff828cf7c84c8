#pragma once
// RuntimeClass: one static record per engine class (name, identifier, parent,
// factory), registered with RuntimeClassManager before main() runs and
// unregistered when destroyed. The index of a class in the name-sorted class
// array is its class number on the network. A class without a record of its
// own answers getRuntimeClass with its base's record.
#include "UString.h"

#include <cstdint>

class KivBase;

class RuntimeClass {
public:
    using Factory = KivBase* (*)();

    RuntimeClass(const char* className, const RuntimeClass* parentClass, Factory factoryFunction);
    ~RuntimeClass();
    RuntimeClass(const RuntimeClass&) = delete;
    RuntimeClass& operator=(const RuntimeClass&) = delete;

    bool isDerivedFrom(const RuntimeClass* other) const;
    // The class id: h = h * 33 + c over the name's bytes taken as signed chars.
    static uint32_t hashName(const char* name);

    UString name;
    uint32_t classId;
    int32_t index = -1;
    Factory factory;
    const RuntimeClass* pParent;
    RuntimeClass* pNextRegistered = nullptr;
};

// Inside a class body: gives the class its own record.
#define KIV_DECLARE_CLASS()                                   \
public:                                                       \
    static RuntimeClass classRecord;                          \
    const RuntimeClass* getRuntimeClass() const override { return &classRecord; }

// In the class's source file. Parent is the parent class name; factory is a
// function returning a new object, or nullptr for abstract classes.
#define KIV_IMPLEMENT_CLASS(Class, Parent, factory) \
    RuntimeClass Class::classRecord(#Class, &Parent::classRecord, factory)
#define KIV_IMPLEMENT_ROOT_CLASS(Class, factory) \
    RuntimeClass Class::classRecord(#Class, nullptr, factory)
