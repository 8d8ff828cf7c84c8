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

} // namespace
