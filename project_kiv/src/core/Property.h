#pragma once
// Property: a named, typed view of one member of an engine object, with a
// text form (editing, diagnostics) and a network form (replication through
// a Packet). Objects list their properties in KivBase::addPropertiesTo; the
// property does not own the member and must not outlive the object. Main
// thread only.
#include "UString.h"

class Packet;

class Property {
public:
    explicit Property(const UString& propertyName) : name(propertyName) {}
    virtual ~Property() = default;
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    virtual UString getText() const = 0;
    // False, with the member unchanged, when the text is no valid value.
    virtual bool setText(const UString& text) = 0;
    // Writes the member into a packet being written, or reads it back from
    // a packet being read; a damaged packet leaves a harmless value.
    virtual void serialize(Packet& packet) = 0;

    const UString name;
};
