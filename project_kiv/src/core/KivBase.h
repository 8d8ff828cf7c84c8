#pragma once
// KivBase: base class of every engine and game object. It is a node of the
// object tree (BasicLink) that owns its children: deleting an object deletes
// its children, last first. It carries a timed state machine (StateBase) and
// is registered in the engine's object list, so it hears every engine mode
// step. Main thread only (mixer channels excepted, see Mixer).
#include "BasicLink.h"
#include "RuntimeClass.h"
#include "StateBase.h"

#include <cstdint>

class Context;
class Packet;
class PropertyContainer;
class Reference;

class KivBase : public BasicLink, public StateBase {
public:
    KivBase();
    ~KivBase() override;

    static RuntimeClass classRecord;
    virtual const RuntimeClass* getRuntimeClass() const;
    // Deletes the object (objects registered with a network role go through
    // the network instead).
    virtual void deleteMe();
    // The state machine's tick, then each live child's tick in list order;
    // dead children are deleted during the walk.
    void tick(double t, double dt) override;
    // Each live child's render in list order; dead children are deleted.
    virtual void render();
    // The topmost descendant (or this object) under the world point, or null.
    virtual KivBase* pick(float x, float y);
    virtual bool isMouseInside() { return false; }
    // Input dispatch, sent by the event manager.
    virtual void onMouseEnter() {}
    virtual void onMouseLeave() {}
    virtual void onMouseDown(int /*button*/) {}
    virtual void onMouseUp(int /*button*/) {}
    virtual void onKeyDown(int /*key*/) {}
    virtual void onKIVmodeChange(int /*oldMode*/, int /*newMode*/) {}
    // The network form of every property addPropertiesTo lists, in order;
    // derived classes that add data of their own call this first.
    virtual void netSerialize(Packet& packet);
    virtual void netPostReplicate() {}
    virtual void netPostReplicateGlobal() {}
    // Deletes every child.
    virtual void clear();
    virtual void add(KivBase* child);
    virtual void remove(KivBase* child);
    void addPropertiesTo(PropertyContainer& container) override;

    // Calls deleteMe on the last child until none is left.
    void deleteAllChildren();
    // The nearest Context among this object and its ancestors; fatal when none.
    Context* findContext();
    // True when this is the object the current screen's pick found this frame.
    bool isUnderMouse() const;
    // True when this is the event manager's current mouse-over object.
    bool isMouseOver() const;
    // True when this object or an ancestor ignores events.
    bool isDisabledInHierarchy() const;

    KivBase* getParent() const { return static_cast<KivBase*>(pParent); }

    int32_t objectUID = -1;
    bool bVisible = true;
    bool bSkipVisibility = false;
    bool bIgnoreEvents = false;

    // Engine registry links (every live KivBase; see Kiv::registry).
    KivBase* pRegistryPrev = nullptr;
    KivBase* pRegistryNext = nullptr;
    // Weak references to this object, cleared when it is deleted.
    Reference* pFirstReference = nullptr;
};
