#pragma once
// PropertyInt: a 32-bit integer member; text in decimal.
#include "Property.h"

#include <cstdint>

class PropertyInt : public Property {
public:
    PropertyInt(const UString& propertyName, int32_t* member) : Property(propertyName), pMember(member) {}

    UString getText() const override;
    bool setText(const UString& text) override;
    void serialize(Packet& packet) override;

private:
    int32_t* pMember;
};
