#include "StackTestSupport.h"

#include "BasicLinkIterator.h"
#include "ContextDialog.h"
#include "MenuButton.h"
#include "MenuGroup.h"
#include "RenderableText.h"

namespace {

using namespace stacktest;

// The test fonts: medium lines 16 high (line step 20), large 24 high;
// every glyph advances 7, a space 4.
constexpr float LINE_STEP = 20.0f;

class ContextDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setInput({});
        moveMouseTo(300.0f, -230.0f);
        dialog = new ContextDialog();
        dialog->position = V3(10.0f, 20.0f, 0.0f);
    }
    void TearDown() override { delete dialog; }

    const MenuGroup* frame() const
    {
        return dynamic_cast<const MenuGroup*>(static_cast<KivBase*>(dialog->pFirstChild));
    }
    std::vector<const RenderableText*> texts() const
    {
        std::vector<const RenderableText*> found;
        BasicLinkIterator it(dialog);
        while (KivBase* child = it.next())
            if (const RenderableText* text = dynamic_cast<RenderableText*>(child))
                found.push_back(text);
        return found;
    }

    ContextDialog* dialog = nullptr;
};

TEST_F(ContextDialogTest, YesNoQuestionGetsTwoButtonsSideBySide)
{
    int answer = 5;
    dialog->message = "one|two|three";
    dialog->firstCaption = "Yes";
    dialog->secondCaption = "No";
    dialog->pAnswer = &answer;
    dialog->build();
    EXPECT_EQ(-1, answer);
    EXPECT_FALSE(dialog->bCloseOnKeys);
    ASSERT_NE(nullptr, frame()) << "the frame is the first child";
    // Three lines and the buttons: H = 3 x 20 + 20 + 50 = 130, W = 330.
    EXPECT_FLOAT_EQ(430.0f, frame()->pSkin->width);
    EXPECT_FLOAT_EQ(230.0f, frame()->pSkin->height);
    EXPECT_EQ(V3(10.0f, 20.0f, 0.0f), frame()->position);
    ASSERT_NE(nullptr, dialog->pFirstButton);
    ASSERT_NE(nullptr, dialog->pSecondButton);
    EXPECT_EQ("Yes", dialog->pFirstButton->caption);
    EXPECT_EQ("No", dialog->pSecondButton->caption);
    EXPECT_FLOAT_EQ(10.0f - 85.0f, dialog->pFirstButton->position.x);
    EXPECT_FLOAT_EQ(10.0f + 85.0f, dialog->pSecondButton->position.x);
    // Cursor: 65 at the top, three lines down to 5; the buttons one step and
    // 25 below that.
    EXPECT_FLOAT_EQ(20.0f + 5.0f - LINE_STEP - 25.0f, dialog->pFirstButton->position.y);
    EXPECT_FLOAT_EQ(dialog->pFirstButton->position.y, dialog->pSecondButton->position.y);
}

TEST_F(ContextDialogTest, LinesAreCentredOneStepApartUnderTheTitle)
{
    dialog->title = "Title";
    dialog->message = "ab|abcd";
    dialog->build();
    const std::vector<const RenderableText*> found = texts();
    ASSERT_EQ(3u, found.size());
    // H = 24 + 20 (title) + 2 x 20 (lines) + 20 + 50 (button) = 154.
    EXPECT_EQ("Title", found[0]->text);
    EXPECT_EQ(V3(10.0f, 20.0f + 77.0f, 0.0f), found[0]->position);
    EXPECT_EQ(5, found[0]->flags);
    EXPECT_FALSE(found[0]->bShadow);
    EXPECT_EQ(WHITE, found[0]->color);
    // "ab" is 14 wide, "abcd" 28.
    EXPECT_EQ("ab", found[1]->text);
    EXPECT_EQ(V3(10.0f - 7.0f, 20.0f + 77.0f - 44.0f, 0.0f), found[1]->position);
    EXPECT_EQ("abcd", found[2]->text);
    EXPECT_EQ(V3(10.0f - 14.0f, 20.0f + 77.0f - 64.0f, 0.0f), found[2]->position);
    for (size_t i = 1; i < found.size(); ++i) {
        EXPECT_EQ(3, found[i]->flags);
        EXPECT_FALSE(found[i]->bShadow);
    }
    ASSERT_NE(nullptr, dialog->pFirstButton);
    EXPECT_EQ(nullptr, dialog->pSecondButton);
    EXPECT_FLOAT_EQ(10.0f, dialog->pFirstButton->position.x) << "a single button is centred";
    EXPECT_TRUE(dialog->bCloseOnKeys) << "with fewer than two buttons, any press closes";
}

TEST_F(ContextDialogTest, PhrasesKeepTheirMarkupColoursAndDefaultToWhite)
{
    dialog->message = "ab\x1e{00ff00}cd\x1e{000001}ef";
    dialog->build();
    const std::vector<const RenderableText*> found = texts();
    ASSERT_EQ(3u, found.size());
    EXPECT_EQ(WHITE, found[0]->color);
    EXPECT_EQ(UColor(0, 255, 0, 255), found[1]->color);
    EXPECT_EQ(WHITE, found[2]->color);
    // The line "abcdef" is 42 wide; each phrase follows the previous one.
    EXPECT_FLOAT_EQ(10.0f - 21.0f, found[0]->position.x);
    EXPECT_FLOAT_EQ(10.0f - 7.0f, found[1]->position.x);
    EXPECT_FLOAT_EQ(10.0f + 7.0f, found[2]->position.x);
}

TEST_F(ContextDialogTest, FrameSizeRules)
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
        {"ShortWithoutButtons", "", "hi", "", "", 192.0f, 20.0f},
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

TEST_F(ContextDialogTest, ButtonsAnswerThroughThePointerAndCloseTheDialog)
{
    struct Case {
        bool first;
        bool second;
        int answer;
    };
    for (const Case& c : {Case{true, false, 0}, Case{false, true, 1}, Case{true, true, 1}, Case{false, false, -1}}) {
        SCOPED_TRACE(::testing::Message() << c.first << c.second);
        int answer = 7;
        ContextDialog made;
        made.firstCaption = "Yes";
        made.secondCaption = "No";
        made.pAnswer = &answer;
        made.build();
        made.pFirstButton->clicked = c.first;
        made.pSecondButton->clicked = c.second;
        made.tick(0.0, 0.02);
        EXPECT_EQ(c.answer, answer);
        EXPECT_EQ(c.first || c.second, made.bFinished);
    }
}

TEST_F(ContextDialogTest, AnswerPointerMayBeNull)
{
    dialog->build();
    dialog->pFirstButton->clicked = true;
    dialog->tick(0.0, 0.02);
    EXPECT_TRUE(dialog->bFinished);
}

TEST_F(ContextDialogTest, NoCaptionsNoButtons)
{
    dialog->firstCaption = "";
    dialog->message = "Please wait";
    dialog->build();
    EXPECT_EQ(nullptr, dialog->pFirstButton);
    EXPECT_EQ(nullptr, dialog->pSecondButton);
    EXPECT_TRUE(dialog->bCloseOnKeys);
    dialog->tick(0.0, 0.02);
    EXPECT_FALSE(dialog->bFinished);
}

TEST_F(ContextDialogTest, OnTheStackAnyPressClosesAOneButtonDialogWithoutAnAnswer)
{
    ContextManager manager;
    Context asker;
    int answer = 3;
    dialog->message = "Done.";
    dialog->pAnswer = &answer;
    dialog->build();
    manager.pushContext(&asker);
    manager.pushContext(dialog);
    manager.tick(0.0, 0.02);
    setInput({MOUSE_LEFT});
    manager.tick(0.0, 0.02);
    setInput({});
    EXPECT_TRUE(dialog->bFinished);
    EXPECT_EQ(-1, answer);
    manager.tick(0.0, 0.02);
    dialog = nullptr;
    EXPECT_EQ(&asker, manager.getActiveContext());
    EXPECT_FALSE(asker.bFinished);
}

TEST_F(ContextDialogTest, ScreenBelowIsDrawnFrozenBehindTheDialog)
{
    ContextManager manager;
    Context below;
    below.clearColor = BLUE;
    dialog->build();
    manager.pushContext(&below);
    manager.pushContext(dialog);
    manager.tick(0.0, 0.02);
    clearFrame();
    manager.render();
    EXPECT_TRUE(sameColor(BLUE, pixelAt(*grab(), 5, 5)));
    manager.removeChild(dialog);
}

} // namespace
