#pragma once
// BasicLinkIterator: the walk over a node's children. It yields only children
// whose dead and detached flags are both clear. A deleting walk also deletes,
// through KivBase::deleteMe, every dead child right after moving past it, so
// that no dead child is left when the walk ends; detached children are kept.
// The yielded child may end itself (dead flag) or be moved elsewhere while
// the walk holds it; its later siblings must stay where they are.
class BasicLink;
class KivBase;

class BasicLinkIterator {
public:
    explicit BasicLinkIterator(BasicLink* parent, bool deleteDead = false);
    // The next live child, or null at the end.
    KivBase* next();

private:
    BasicLink* pParent;
    BasicLink* pUpcoming;
    BasicLink* pYielded = nullptr;
    bool bDeleteDead;
};
