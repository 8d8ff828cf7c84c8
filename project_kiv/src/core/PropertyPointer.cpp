#include "PropertyPointer.h"

#include "Kiv.h"
#include "Packet.h"
#include "ResourceManager.h"

bool PropertyPointer::setTarget(KivBase* target)
{
    if (target && !target->getRuntimeClass()->isDerivedFrom(pClass))
        return false;
    setter(target);
    return true;
}

UString PropertyPointer::getText() const
{
    KivBase* target = getter();
    if (!target)
        return "null";
    if (!bResource)
        return formatString("%d", target->objectUID);
    UString key = pKiv && pKiv->pResourceManager ? pKiv->pResourceManager->findKey(target) : UString();
    return key.empty() ? UString("null") : key;
}

bool PropertyPointer::setText(const UString& text)
{
    if (text == "null")
        return setTarget(nullptr);
    if (!bResource || !pKiv || !pKiv->pResourceManager)
        return false;
    KivBase* target = pKiv->pResourceManager->find(text, false);
    return target && setTarget(target);
}

void PropertyPointer::serialize(Packet& packet)
{
    KivBase* target = getter();
    if (bResource)
        packet.serializeResourceRef(target);
    else
        packet.serializeObjectRef(target);
    if (packet.isReading() && !setTarget(target))
        setter(nullptr);
}
