#pragma once
// PropertyContainer: a named group of properties, itself a property, so
// groups nest (KivBase's list holds "objectUID" and the state machine's
// group "StateBase"). It owns the properties added to it. Its text form is
// one "path=value" line per property, a nested property's path being its
// group's name, a dot and its own name. Main thread only.
#include "Property.h"

#include <memory>
#include <vector>

class PropertyContainer : public Property {
public:
    explicit PropertyContainer(const UString& containerName) : Property(containerName) {}

    // Takes ownership; returns the property for further set-up.
    Property* add(std::unique_ptr<Property> property);
    // By name, or by a dotted path into nested groups; null when missing.
    Property* find(const UString& path) const;
    const std::vector<std::unique_ptr<Property>>& getProperties() const { return properties; }

    UString getText() const override;
    // Applies every "path=value" line; false when a line names no property
    // or holds a bad value (earlier lines stay applied).
    bool setText(const UString& text) override;
    // Every property in order, groups depth first.
    void serialize(Packet& packet) override;

private:
    void appendText(const UString& prefix, UString& text) const;

    std::vector<std::unique_ptr<Property>> properties;
};
