#pragma once
// BasicLink: the intrusive tree node under every engine object. A node's
// children form a list in insertion order; the order of adding is the order
// of updating and drawing (later children cover earlier ones). The node does
// not own its children: KivBase, which derives from it, does.
#include <atomic>
#include <cstdint>

class BasicLink {
public:
    BasicLink() = default;
    BasicLink(const BasicLink&) = delete;
    BasicLink& operator=(const BasicLink&) = delete;

    void addChildLast(BasicLink* child);
    void addChildFirst(BasicLink* child);
    // Unlinks a child of this node (not deleted) and clears its parent.
    void removeChild(BasicLink* child);
    // Counted along the list: dead and detached children count too.
    int getChildCount() const;
    // Zero-based; an index below 1 gives the first child; null past the end.
    BasicLink* getChildAt(int index) const;
    // The child at rand() % count; null without children.
    BasicLink* getRandomChild() const;

    BasicLink* pPrev = nullptr;
    BasicLink* pNext = nullptr;
    BasicLink* pFirstChild = nullptr;
    BasicLink* pLastChild = nullptr;
    BasicLink* pParent = nullptr;
    // Set by an object that wants to end; its parent's next walk deletes it.
    // Mixer channels set it on SDL's audio thread while the main thread may
    // read it outside the audio lock, hence atomic.
    std::atomic<uint8_t> bDead{0};
    // Walks pass over a detached child and keep it.
    uint8_t bDetached = 0;
};
