#include "BasicLinkIterator.h"
#include "KivBase.h"
#include "Reference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Records construction order names into a shared journal as it is ticked,
// rendered and deleted.
struct Node : KivBase {
    Node(std::string nodeName, std::vector<std::string>* nodeJournal) : name(std::move(nodeName)), journal(nodeJournal) {}
    ~Node() override { journal->push_back("~" + name); }
    void tick(double t, double dt) override
    {
        journal->push_back("tick " + name);
        if (onTick)
            onTick();
        KivBase::tick(t, dt);
    }
    void render() override
    {
        journal->push_back("render " + name);
        KivBase::render();
    }
    std::string name;
    std::vector<std::string>* journal;
    std::function<void()> onTick;
};

struct Tree {
    Tree()
    {
        for (const char* name : {"a", "b", "c", "d"}) {
            children.push_back(new Node(name, &journal));
            root.addChildLast(children.back());
        }
    }
    std::vector<std::string> journal;
    KivBase root;
    std::vector<Node*> children;
};

// Only a deleting walk frees the dead it passes: the audio thread walks
// without deleting.
TEST(ObjectTree, WalksSkipDeadAndDetachedAndOnlyTheDeletingWalkFreesTheDead)
{
    struct Case { bool deadB, detachedC, deleting; std::vector<std::string> visited, journal; };
    const Case cases[] = {
        {true, false, false, {"a", "c", "d"}, {}},
        {true, false, true, {"a", "c", "d"}, {"~b"}},
        {false, true, true, {"a", "b", "d"}, {}},
    };
    for (const Case& c : cases) {
        Tree tree;
        tree.children[1]->bDead = c.deadB;
        tree.children[2]->bDetached = c.detachedC;
        std::vector<std::string> visited;
        BasicLinkIterator it(&tree.root, c.deleting);
        while (KivBase* child = it.next())
            visited.push_back(static_cast<Node*>(child)->name);
        EXPECT_EQ(visited, c.visited) << "deleting " << c.deleting;
        EXPECT_EQ(tree.journal, c.journal) << "deleting " << c.deleting;
    }
}

// What a child does to itself or a sibling during the tick walk; then a render.
TEST(ObjectTree, ChildrenEndedOrMovedDuringTheTickAreHandledInTheSameWalk)
{
    KivBase elsewhere;
    struct Case { int actor; std::function<void(Tree&)> act; std::vector<std::string> journal; };
    const Case cases[] = {
        {1, [](Tree& t) { t.children[1]->bDead = 1; },
         {"tick a", "tick b", "~b", "tick c", "tick d", "render a", "render c", "render d"}},
        {0, [](Tree& t) { t.children[2]->bDead = 1; },
         {"tick a", "tick b", "~c", "tick d", "render a", "render b", "render d"}},
        {1,
         [&](Tree& t) {
             t.root.removeChild(t.children[1]);
             elsewhere.addChildLast(t.children[1]);
         },
         {"tick a", "tick b", "tick c", "tick d", "render a", "render c", "render d"}},
    };
    int moved = 0;
    for (const Case& c : cases) {
        Tree tree;
        tree.children[c.actor]->onTick = [&] { c.act(tree); };
        tree.root.tick(0.0, 0.1);
        tree.root.render();
        EXPECT_EQ(tree.journal, c.journal);
        moved += elsewhere.getChildCount();
        // A moved child writes to its tree's journal when it goes.
        elsewhere.deleteAllChildren();
    }
    EXPECT_EQ(moved, 1) << "a moved child lives on";
}

TEST(ObjectTree, ReferencesAreClearedWhenTheTargetIsDeleted)
{
    KivBase* target = new KivBase();
    Reference first(target);
    Reference copy(first);
    Reference other;
    other = copy;
    {
        Reference shortLived(target);
    }
    delete target;
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(other.get(), nullptr);
}

// The game fills its houses with random picks from a layer: the first and
// the last child come up as often as the others, and an only child always.
TEST(ObjectTree, RandomChildPicksEveryChildAlike)
{
    Tree tree;
    std::srand(7);
    const int draws = 4000;
    std::map<BasicLink*, int> picks;
    for (int i = 0; i < draws; ++i)
        ++picks[tree.root.getRandomChild()];
    for (Node* child : tree.children)
        EXPECT_NEAR(picks[child], draws / 4, draws / 20) << "child " << child->name;
    KivBase only;
    KivBase* child = new KivBase();
    only.addChildLast(child);
    EXPECT_EQ(only.getRandomChild(), child);
    EXPECT_EQ(KivBase().getRandomChild(), nullptr);
}

} // namespace
