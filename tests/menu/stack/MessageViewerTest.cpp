#include "StackTestSupport.h"

#include "MessageViewer.h"

namespace {

using namespace stacktest;

// Medium test font: 7 units per glyph, lines 16 high.
TEST(MessageViewerTest, WideMessagesWrapAndMayPushOutTheirOwnBeginning)
{
    MessageViewer viewer;
    viewer.wrapWidth = 70;
    viewer.addMessage("first");
    viewer.addMessage("alpha beta gamma delta");
    EXPECT_EQ((std::deque<std::string>{"first", "alpha beta", "gamma", "delta"}), viewer.lines);
    viewer.maxLines = 2;
    viewer.addMessage("one two three four five");
    EXPECT_EQ((std::deque<std::string>{"three four", "five"}), viewer.lines);
}

// Each row adds a message and ticks the frames from it; display time 0 or
// less keeps messages for good.
TEST(MessageViewerTest, FadesOutDuringTheLastSecondOfTheDisplayTime)
{
    MessageViewer viewer;
    constexpr double DT = 0.05;
    struct Case { double displayTime; int frames; float alpha; };
    for (const Case& c : {Case{0.0, 2000, 1.0f}, Case{5.0, 78, 1.0f}, Case{5.0, 90, 0.5f}, Case{5.0, 95, 0.25f},
                          Case{5.0, 110, 0.0f}, Case{-1.0, 2000, 1.0f}}) {
        viewer.displayTime = c.displayTime;
        viewer.addMessage("news");
        for (int frame = 1; frame <= c.frames; ++frame)
            viewer.tick(frame * DT, DT);
        EXPECT_NEAR(viewer.alpha, c.alpha, 0.001) << c.displayTime << " " << c.frames;
    }
}

} // namespace
