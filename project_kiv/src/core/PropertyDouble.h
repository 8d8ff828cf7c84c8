#pragma once
// PropertyDouble: a double-precision member (times, durations); text as
// printed with "%.17g" so that it reads back exactly.
#include "Property.h"

class PropertyDouble : public Property {
public:
    PropertyDouble(const UString& propertyName, double* member) : Property(propertyName), pMember(member) {}

    UString getText() const override;
    bool setText(const UString& text) override;
    // All 64 bits, so times survive the trip exactly.
    void serialize(Packet& packet) override;

private:
    double* pMember;
};
