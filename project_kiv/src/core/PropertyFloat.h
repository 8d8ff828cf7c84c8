#pragma once
// PropertyFloat: a single-precision member; text as printed with "%g".
#include "Property.h"

class PropertyFloat : public Property {
public:
    PropertyFloat(const UString& propertyName, float* member) : Property(propertyName), pMember(member) {}

    UString getText() const override;
    bool setText(const UString& text) override;
    void serialize(Packet& packet) override;

private:
    float* pMember;
};
