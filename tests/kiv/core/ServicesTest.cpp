#include "Context.h"
#include "EventManager.h"
#include "ResourceManager.h"
#include "TestEngine.h"

#include <string>
#include <vector>

namespace {

struct Hoverable : KivBase {
    bool isMouseInside() override { return true; }
};

struct Listener : KivBase {
    Listener(const char* objectName, std::vector<std::string>* objectJournal)
        : name(objectName), journal(objectJournal)
    {
    }
    void onMouseEnter() override { journal->push_back(std::string("enter ") + name); }
    void onMouseLeave() override { journal->push_back(std::string("leave ") + name); }
    const char* name;
    std::vector<std::string>* journal;
};

// The event manager sets the object under the mouse every frame: only a change is told.
TEST(EventManager, MouseOverSendsLeaveThenEnterOnlyOnAChange)
{
    std::vector<std::string> journal;
    EventManager events;
    Listener a("a", &journal);
    Listener b("b", &journal);
    events.setMouseOver(&a);
    events.setMouseOver(&a);
    events.setMouseOver(&b);
    EXPECT_EQ(journal, (std::vector<std::string>{"enter a", "leave a", "enter b"}));
    events.setMouseOver(nullptr);
}

TEST(ResourceManagerDeathTest, ASecondResourceUnderOneKeyIsFatal)
{
    TemporaryHome home;
    ResourceManager resources;
    KivBase object;
    resources.addResource("hills", &object);
    EXPECT_EXIT(resources.addResource("hills", &object), ::testing::ExitedWithCode(255),
                "Assertion failed\\.\n Statement: map\\.find\\(key\\)==map\\.end\\(\\)");
}

TEST(EventManager, TickTakesTheTopmostPickedObjectThatListens)
{
    TemporaryHome home;
    Kiv* engine = new Kiv(KivHost::desktop());
    Context screen;
    Hoverable* lower = new Hoverable();
    Hoverable* upper = new Hoverable();
    screen.addChildLast(lower);
    screen.addChildLast(upper);
    engine->pEventManager->tick(&screen);
    EXPECT_EQ(engine->pEventManager->getMouseOver(), upper) << "later children are drawn on top";
    EXPECT_TRUE(upper->isMouseOver());
    upper->bIgnoreEvents = true;
    engine->pEventManager->tick(&screen);
    EXPECT_EQ(engine->pEventManager->getMouseOver(), lower);
    screen.bIgnoreEvents = true;
    engine->pEventManager->tick(&screen);
    EXPECT_EQ(engine->pEventManager->getMouseOver(), nullptr);
    screen.tick(0.0, 0.01);
    delete engine;
}

} // namespace
