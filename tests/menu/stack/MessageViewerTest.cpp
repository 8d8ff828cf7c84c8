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

TEST(MessageViewerTest, FadesOutDuringTheLastSecondOfTheDisplayTime)
{
    MessageViewer viewer;
    constexpr double DT = 0.05;
    struct Case { double displayTime; int frames; float alpha; };
    for (const Case& c : {Case{0.0, 2000, 1.0f}, Case{5.0, 20, 1.0f}, Case{5.0, 78, 1.0f}, Case{5.0, 90, 0.5f},
                          Case{5.0, 95, 0.25f}, Case{5.0, 110, 0.0f}, Case{-1.0, 2000, 1.0f}}) {
        viewer.displayTime = c.displayTime;
        viewer.addMessage("news");
        for (int frame = 1; frame <= c.frames; ++frame)
            viewer.tick(frame * DT, DT);
        EXPECT_NEAR(c.alpha, viewer.alpha, 0.001) << c.displayTime << " " << c.frames;
    }
    viewer.addMessage("more news");
    viewer.tick(0.0, DT);
    EXPECT_EQ(1.0f, viewer.alpha) << "a new message shows again";
}

} // namespace
