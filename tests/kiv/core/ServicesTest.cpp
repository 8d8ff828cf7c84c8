#include "Context.h"
#include "EventManager.h"
#include "TestEngine.h"

namespace {

struct Hoverable : KivBase {
    bool isMouseInside() override { return true; }
};

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

} // namespace
