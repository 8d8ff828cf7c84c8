#pragma once
// PropertyPointer: an object-pointer member whose target must be of a given
// class. Created with the resource flag, it travels as the target's resource
// key (texts, skins, fonts shared by every peer); otherwise as the target's
// object identifier. Text "null" stands for no target.
#include "KivBase.h"
#include "Property.h"

#include <functional>

class PropertyPointer : public Property {
public:
    template <typename T>
    PropertyPointer(const UString& propertyName, T** member, bool resource = false)
        : Property(propertyName),
          pClass(&T::classRecord),
          bResource(resource),
          getter([member] { return static_cast<KivBase*>(*member); }),
          setter([member](KivBase* object) { *member = static_cast<T*>(object); })
    {
    }

    KivBase* getTarget() const { return getter(); }
    // False when the target is not of the property's class.
    bool setTarget(KivBase* target);

    // Resource form: the key; identifier form: the object identifier.
    UString getText() const override;
    // Resource form: a registered key of an object of the right class.
    // Identifier form: only "null", since identifiers resolve on the network.
    bool setText(const UString& text) override;
    // The resource key or the object identifier; a target of the wrong
    // class, or one the reader does not know, arrives as null.
    void serialize(Packet& packet) override;

    const RuntimeClass* const pClass;
    const bool bResource;

private:
    std::function<KivBase*()> getter;
    std::function<void(KivBase*)> setter;
};
