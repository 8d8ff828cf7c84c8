#pragma once
// Property: a named, typed view of one member of an engine object, read and
// written through a text form. Objects list their properties in
// KivBase::addPropertiesTo; the property does not own the member and must
// not outlive the object. Main thread only.
#include "UString.h"

class Property {
public:
    explicit Property(const UString& propertyName) : name(propertyName) {}
    virtual ~Property() = default;
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    virtual UString getText() const = 0;
    // False, with the member unchanged, when the text is no valid value.
    virtual bool setText(const UString& text) = 0;

    const UString name;
};
