#pragma once
// Reference: a weak pointer to an engine object, cleared when the object is
// deleted (the object keeps a list of its references). Copying a reference
// registers the copy with the same target. Main thread only.
class KivBase;

class Reference {
public:
    Reference() = default;
    explicit Reference(KivBase* target) { set(target); }
    Reference(const Reference& other) { set(other.pTarget); }
    Reference& operator=(const Reference& other)
    {
        set(other.pTarget);
        return *this;
    }
    ~Reference() { set(nullptr); }

    void set(KivBase* target);
    KivBase* get() const { return pTarget; }

private:
    friend class KivBase;
    KivBase* pTarget = nullptr;
    Reference* pNextOfTarget = nullptr;
};
