#include "PropertyContainer.h"

Property* PropertyContainer::add(std::unique_ptr<Property> property)
{
    properties.push_back(std::move(property));
    return properties.back().get();
}

Property* PropertyContainer::find(const UString& path) const
{
    size_t dot = path.find('.');
    UString head = dot == std::string::npos ? path : UString(path.substr(0, dot));
    for (const auto& property : properties) {
        if (property->name != head)
            continue;
        if (dot == std::string::npos)
            return property.get();
        if (auto* group = dynamic_cast<PropertyContainer*>(property.get()))
            return group->find(path.substr(dot + 1));
        return nullptr;
    }
    return nullptr;
}

void PropertyContainer::appendText(const UString& prefix, UString& text) const
{
    for (const auto& property : properties) {
        if (auto* group = dynamic_cast<const PropertyContainer*>(property.get()))
            group->appendText(prefix + group->name + ".", text);
        else
            text += prefix + property->name + "=" + property->getText() + "\n";
    }
}

UString PropertyContainer::getText() const
{
    UString text;
    appendText("", text);
    return text;
}

bool PropertyContainer::setText(const UString& text)
{
    bool ok = true;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        UString line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        size_t equals = line.find('=');
        Property* property = equals == std::string::npos ? nullptr : find(line.substr(0, equals));
        if (!property || dynamic_cast<PropertyContainer*>(property) || !property->setText(line.substr(equals + 1)))
            ok = false;
    }
    return ok;
}

void PropertyContainer::serialize(Packet& packet)
{
    for (const auto& property : properties)
        property->serialize(packet);
}
