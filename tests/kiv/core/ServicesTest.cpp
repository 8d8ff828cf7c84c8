#include "Context.h"
#include "EventManager.h"
#include "ResourceManager.h"
#include "TestEngine.h"

#include <vector>

namespace {

struct Hoverable : KivBase {
    Hoverable(const char* objectName, std::vector<std::string>* objectJournal) : name(objectName), journal(objectJournal) {}
    void onMouseEnter() override { journal->push_back(std::string("enter ") + name); }
    void onMouseLeave() override { journal->push_back(std::string("leave ") + name); }
    bool isMouseInside() override { return bInside; }
    const char* name;
    std::vector<std::string>* journal;
    bool bInside = false;
};

TEST(EventManager, MouseOverSendsLeaveThenEnter)
{
    std::vector<std::string> journal;
    EventManager events;
    Hoverable* a = new Hoverable("a", &journal);
    Hoverable b("b", &journal);
    events.setMouseOver(a);
    events.setMouseOver(a);
    events.setMouseOver(&b);
    events.setMouseOver(a);
    delete a;
    EXPECT_EQ(events.getMouseOver(), nullptr) << "a deleted object is no longer under the mouse";
    events.setMouseOver(&b);
    std::vector<std::string> expected = {"enter a", "leave a", "enter b", "leave b", "enter a", "enter b"};
    EXPECT_EQ(journal, expected);
}

TEST(EventManager, TickTakesTheTopmostPickedObjectThatListens)
{
    TemporaryHome home;
    Kiv* engine = new Kiv();
    std::vector<std::string> journal;
    Context screen;
    Hoverable* lower = new Hoverable("lower", &journal);
    Hoverable* upper = new Hoverable("upper", &journal);
    screen.addChildLast(lower);
    screen.addChildLast(upper);
    lower->bInside = upper->bInside = true;
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

TEST(ResourceManagerDeathTest, MissingAndDuplicateKeys)
{
    TemporaryHome home;
    ResourceManager resources;
    KivBase object;
    resources.addResource("hills", &object);
    EXPECT_EQ(resources.find("hills"), &object);
    EXPECT_EQ(resources.find("Hills", false), nullptr) << "keys are case-sensitive";
    EXPECT_EQ(resources.findKey(&object), "hills");
    EXPECT_EXIT(resources.find("hills:0"), ::testing::ExitedWithCode(255), "Could not find resource 'hills:0'\\.");
    EXPECT_EXIT(resources.addResource("hills", &object), ::testing::ExitedWithCode(255),
                "Assertion failed\\.\n Statement: map\\.find\\(key\\)==map\\.end\\(\\)");
}

} // namespace
