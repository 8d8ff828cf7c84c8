#include "StackTestSupport.h"

#include "ContextDialog.h"
#include "MenuButton.h"
#include "MenuGroup.h"

namespace {

using namespace stacktest;

// The frame (100 wider and higher than its contents) is never narrower than
// tall; a word wider than the wrapping width keeps its line.
TEST(ContextDialogTest, FrameSizeRules)
{
    struct Case {
        const char* name;
        const char* title;
        const char* message;
        const char* first;
        const char* second;
        float width;
        float height;
    };
    const std::string longWord(80, 'w');
    const std::string manyLines = "a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t";
    const Case cases[] = {
        {"ShortWithButtons", "", "hi", "OK", "", 330.0f, 90.0f},
        // A word wider than the wrapping width (480) is never broken.
        {"LongWordKeepsItsLine", "", longWord.c_str(), "", "", 560.0f, 20.0f},
        // 20 lines are 400 high: the frame is made square.
        {"NeverNarrowerThanTall", "", manyLines.c_str(), "", "", 400.0f, 400.0f},
        {"WideTitle", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", "", "", "", 364.0f, 44.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ContextDialog made;
        made.title = c.title;
        made.message = c.message;
        made.firstCaption = c.first;
        made.secondCaption = c.second;
        made.build();
        const MenuGroup* group = dynamic_cast<const MenuGroup*>(static_cast<KivBase*>(made.pFirstChild));
        ASSERT_NE(nullptr, group);
        EXPECT_FLOAT_EQ(c.width + 100.0f, group->pSkin->width);
        EXPECT_FLOAT_EQ(c.height + 100.0f, group->pSkin->height);
    }
}

// A dialog with one button closes at any press, answering nothing.
TEST(ContextDialogTest, OnTheStackAnyPressClosesAOneButtonDialogWithoutAnAnswer)
{
    setInput({});
    ContextManager manager;
    Context asker;
    int answer = 3;
    // The stack deletes the dialog once it is closed.
    ContextDialog* dialog = new ContextDialog();
    dialog->message = "Done.";
    dialog->pAnswer = &answer;
    dialog->build();
    manager.pushContext(&asker);
    manager.pushContext(dialog);
    stepFrame(&manager, 0.02);
    setInput({MOUSE_LEFT});
    stepFrame(&manager, 0.02);
    setInput({});
    EXPECT_TRUE(dialog->bFinished);
    EXPECT_EQ(-1, answer);
    stepFrame(&manager, 0.02);
    EXPECT_EQ(&asker, manager.getActiveContext());
    EXPECT_FALSE(asker.bFinished);
}

} // namespace
