#pragma once
// PropertyUColor: a colour member; text "r,g,b,a" with each byte 0..255.
#include "Property.h"
#include "UColor.h"

class PropertyUColor : public Property {
public:
    PropertyUColor(const UString& propertyName, UColor* member) : Property(propertyName), pMember(member) {}

    UString getText() const override;
    bool setText(const UString& text) override;
    void serialize(Packet& packet) override;

private:
    UColor* pMember;
};
