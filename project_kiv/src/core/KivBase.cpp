#include "KivBase.h"

#include "BasicLinkIterator.h"
#include "Context.h"
#include "ErrorManager.h"
#include "EventManager.h"
#include "Kiv.h"
#include "KivObserver.h"
#include "PropertyContainer.h"
#include "PropertyInt.h"
#include "Reference.h"

KIV_IMPLEMENT_ROOT_CLASS(KivBase, nullptr);

KivBase::KivBase()
{
    if (pKiv)
        pKiv->registerObject(this);
}

KivBase::~KivBase()
{
    deleteAllChildren();
    if (pKiv)
        pKiv->unregisterObject(this);
    while (pFirstReference) {
        Reference* reference = pFirstReference;
        pFirstReference = reference->pNextOfTarget;
        reference->pTarget = nullptr;
        reference->pNextOfTarget = nullptr;
    }
    if (pParent)
        pParent->removeChild(this);
}

const RuntimeClass* KivBase::getRuntimeClass() const
{
    return &classRecord;
}

void KivBase::deleteMe()
{
    delete this;
}

void KivBase::tick(double t, double dt)
{
    StateBase::tick(t, dt);
    BasicLinkIterator it(this, true);
    while (KivBase* child = it.next())
        child->tick(t, dt);
}

void KivBase::render()
{
    BasicLinkIterator it(this, true);
    while (KivBase* child = it.next()) {
        if (pKiv && pKiv->pObserver)
            pKiv->pObserver->onRenderEntered(*child);
        child->render();
        if (pKiv && pKiv->pObserver)
            pKiv->pObserver->onRenderLeft(*child);
    }
}

KivBase* KivBase::pick(float x, float y)
{
    // Later children are drawn on top, so they are asked first.
    for (BasicLink* node = pLastChild; node; node = node->pPrev) {
        if (node->bDead || node->bDetached)
            continue;
        KivBase* child = static_cast<KivBase*>(node);
        if (child->bIgnoreEvents)
            continue;
        if (KivBase* hit = child->pick(x, y))
            return hit;
    }
    return isMouseInside() ? this : nullptr;
}

void KivBase::netSerialize(Packet& packet)
{
    PropertyContainer properties(getRuntimeClass()->name);
    addPropertiesTo(properties);
    properties.serialize(packet);
}

void KivBase::clear()
{
    deleteAllChildren();
}

void KivBase::add(KivBase* child)
{
    addChildLast(child);
}

void KivBase::remove(KivBase* child)
{
    removeChild(child);
}

void KivBase::addPropertiesTo(PropertyContainer& container)
{
    container.add(std::make_unique<PropertyInt>("objectUID", &objectUID));
    StateBase::addPropertiesTo(container);
}

void KivBase::deleteAllChildren()
{
    while (pLastChild)
        static_cast<KivBase*>(pLastChild)->deleteMe();
}

Context* KivBase::findContext()
{
    for (KivBase* object = this; object; object = object->getParent())
        if (object->getRuntimeClass()->isDerivedFrom(&Context::classRecord))
            return static_cast<Context*>(object);
    KIV_ERROR("Could not find any Context object.");
}

bool KivBase::isUnderMouse() const
{
    return pKiv && pKiv->pCurrentContext && pKiv->pCurrentContext->pObjectUnderMouse == this;
}

bool KivBase::isMouseOver() const
{
    return pKiv && pKiv->pEventManager && pKiv->pEventManager->getMouseOver() == this;
}

bool KivBase::isDisabledInHierarchy() const
{
    for (const KivBase* object = this; object; object = object->getParent())
        if (object->bIgnoreEvents)
            return true;
    return false;
}
