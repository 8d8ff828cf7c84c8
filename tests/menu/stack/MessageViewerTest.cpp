#include "StackTestSupport.h"

#include "MessageViewer.h"
#include "TimeKeeper.h"

namespace {

using namespace stacktest;

// Medium test font: 7 units per glyph, lines 16 high.
class MessageViewerTest : public ::testing::Test {
protected:
    MessageViewer viewer;
};

TEST_F(MessageViewerTest, WideMessagesWrapAndMayPushOutTheirOwnBeginning)
{
    viewer.wrapWidth = 70;
    viewer.addMessage("first");
    viewer.addMessage("alpha beta gamma delta");
    EXPECT_EQ((std::deque<std::string>{"first", "alpha beta", "gamma", "delta"}), viewer.lines);
    viewer.maxLines = 2;
    viewer.addMessage("one two three four five");
    EXPECT_EQ((std::deque<std::string>{"three four", "five"}), viewer.lines);
}

TEST_F(MessageViewerTest, FadesOutDuringTheLastSecondOfTheDisplayTime)
{
    struct Case { double displayTime; double age; float alpha; };
    for (const Case& c : {Case{0.0, 100.0, 1.0f}, Case{5.0, 1.0, 1.0f}, Case{5.0, 3.9, 1.0f}, Case{5.0, 4.5, 0.5f},
                          Case{5.0, 4.75, 0.25f}, Case{5.0, 5.5, 0.0f}, Case{-1.0, 100.0, 1.0f}}) {
        viewer.displayTime = c.displayTime;
        viewer.lastMessageTime = pKiv->pTimeKeeper->getTime() - c.age;
        viewer.tick(0.0, 0.02);
        EXPECT_NEAR(c.alpha, viewer.alpha, 0.02) << c.displayTime << " " << c.age;
    }
}

} // namespace
