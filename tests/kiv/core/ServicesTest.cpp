#include "Context.h"
#include "EventManager.h"
#include "ResourceManager.h"
#include "TestEngine.h"

namespace {

struct Hoverable : KivBase {
    bool isMouseInside() override { return true; }
};

TEST(EventManager, ADeletedObjectIsNoLongerUnderTheMouse)
{
    EventManager events;
    KivBase* hovered = new KivBase();
    events.setMouseOver(hovered);
    delete hovered;
    EXPECT_EQ(events.getMouseOver(), nullptr);
}

TEST(EventManager, TickTakesTheTopmostPickedObjectThatListens)
{
    TemporaryHome home;
    Kiv* engine = new Kiv();
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
