#include "ItemTestSupport.h"

#include "MenuKey.h"
#include "MenuString.h"
#include "SyntheticInput.h"

#include <array>
#include <cstring>

namespace {

using namespace itemtest;

using Bindings = std::array<int32_t, HSTdata::CONTROL_COUNT * 2>;

class MenuKeyTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        std::memcpy(saved, pGlobal->hst.keys, sizeof(saved));
    }
    void TearDown() override
    {
        std::memcpy(pGlobal->hst.keys, saved, sizeof(saved));
        ItemTest::TearDown();
    }
    static Bindings bindings()
    {
        Bindings all;
        std::memcpy(all.data(), pGlobal->hst.keys, sizeof(pGlobal->hst.keys));
        return all;
    }
    static void setBindings(const Bindings& all) { std::memcpy(pGlobal->hst.keys, all.data(), sizeof(pGlobal->hst.keys)); }

    int32_t saved[HSTdata::CONTROL_COUNT][2];
};

TEST_F(MenuKeyTest, InputThatGoesDownOverTheFieldBecomesItsBindingAndNobodyElses)
{
    struct Case { const char* name; bool over; std::vector<int> pressed; Bindings expected; };
    // The field edits control 0's first input. Keys: 30 A, 57 Space, 1 Escape.
    const Bindings start = {203, 30, 205, 32, 200, 17, 208, 45, 57, 42, 28, 29};
    const Case cases[] = {
        {"FreeKey", true, {16}, {16, 30, 205, 32, 200, 17, 208, 45, 57, 42, 28, 29}},
        {"TakenKeyMovesHere", true, {57}, {57, 30, 205, 32, 200, 17, 208, 45, 0, 42, 28, 29}},
        {"OwnSecondKey", true, {30}, {30, 0, 205, 32, 200, 17, 208, 45, 57, 42, 28, 29}},
        {"JoystickButton", true, {KivInput::FIRST_JOYSTICK_BUTTON + 31},
         {303, 30, 205, 32, 200, 17, 208, 45, 57, 42, 28, 29}},
        {"JoystickDirection", true, {KivInput::JOYSTICK_LEFT}, {258, 30, 205, 32, 200, 17, 208, 45, 57, 42, 28, 29}},
        {"EscapeIsNeverBound", true, {KEY_ESCAPE}, start},
        {"ClickingTheFieldIsNotABinding", true, {MOUSE_LEFT}, start},
        {"MovingTheMouseIsNotABinding", true, {KivInput::MOUSE_UP}, start},
        {"Away", false, {16}, start},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setBindings(start);
        MenuKey* field = add(new MenuKey(0.0f, 0.0f, 0.0f, "Left", "", &pGlobal->hst.keys[0][0]));
        moveMouseTo(c.over ? 0.0f : 300.0f, c.over ? 0.0f : -200.0f);
        for (int code : c.pressed)
            testsupport::feed(testsupport::inputEvents(code, true));
        step();
        for (int code : c.pressed)
            testsupport::feed(testsupport::inputEvents(code, false));
        EXPECT_EQ(c.expected, bindings());
        EXPECT_FALSE(field->wasClicked());
        field->deleteMe();
    }
}

TEST_F(MenuKeyTest, OfTwoKeysTypedInOneFrameTheLowerStaysBound)
{
    // Q (16) arrives before Space (57); the key queue hands them out one per
    // frame, yet the binding is the lower code and stays so.
    MenuKey* field = add(new MenuKey(0.0f, 0.0f, 0.0f, "Left", "", &pGlobal->hst.keys[0][0]));
    moveMouseTo(0.0f, 0.0f);
    testsupport::feed({testsupport::keyEvent(true, SDLK_q, 'q'), testsupport::keyEvent(true, SDLK_SPACE, ' ')});
    step();
    step();
    EXPECT_EQ(16, pGlobal->hst.keys[0][0]);
    field->deleteMe();
}

// A code outside the input table (a damaged configuration) shows no name.
TEST_F(MenuKeyTest, FieldShowsTheNameOfItsInputAndSurvivesADamagedCode)
{
    int code = 30;
    MenuKey* field = add(new MenuKey(0.0f, 0.0f, 0.0f, "", "", &code));
    step();
    // The name is centred on the field in the normal text colour.
    const UColor text(255, 128, 0, 255);
    ASSERT_FALSE(pKiv->pInput->keyNames[30].empty());
    EXPECT_TRUE(pixelShows(text, worldPixel(*draw(), -2.0f, 3.0f)));
    for (int damaged : {-1, KivInput::KEY_COUNT, 1 << 30}) {
        SCOPED_TRACE(damaged);
        code = damaged;
        EXPECT_TRUE(pixelShows(FRAME, worldPixel(*draw(), -2.0f, 3.0f))) << "no name";
    }
    field->deleteMe();
}

class MenuStringTest : public ItemTest {
protected:
    // A field at the origin over the buffer, with its change calls counted.
    class CountingField : public MenuString {
    public:
        CountingField(char* buffer, int maxTextLength) : MenuString(0.0f, 0.0f, 0.0f, "Name", "", buffer, maxTextLength)
        {
        }
        void onTextChanged() override { ++changes; }
        int changes = 0;
    };
};

TEST_F(MenuStringTest, TypingEditsTheTextWithinItsCharactersAndLength)
{
    struct Key { int code; int character; };
    struct Case { const char* name; const char* start; int maxLength; std::vector<Key> keys; const char* expected;
        int changes; };
    const Case cases[] = {
        {"Appends", "", 15, {{KEY_A, 'a'}, {48, 'B'}, {57, ' '}, {2, '!'}}, "aB !", 4},
        {"Backspace", "abc", 15, {{KEY_BACKSPACE, 8}, {KEY_BACKSPACE, 8}}, "a", 0},
        {"BackspaceOnEmpty", "", 15, {{KEY_BACKSPACE, 8}}, "", 0},
        {"FullFieldRefusesButStillReports", "abc", 3, {{KEY_A, 'd'}}, "abc", 1},
        {"RoomAgainAfterBackspace", "abc", 3, {{KEY_BACKSPACE, 8}, {KEY_A, 'z'}}, "abz", 1},
        {"BacktickTildeAndHighBytesRefused", "", 15, {{41, '`'}, {41, '~'}, {18, 0xE9}, {2, 0x7F}}, "", 4},
        {"ControlCharactersRefused", "", 15, {{28, 13}, {15, 9}}, "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[32] = {};
        std::strcpy(buffer, c.start);
        CountingField* field = add(new CountingField(buffer, c.maxLength));
        moveMouseTo(0.0f, 0.0f);
        for (const Key& key : c.keys) {
            typeKey(key.code, key.character);
            step();
        }
        EXPECT_EQ(c.expected, field->text);
        EXPECT_STREQ(c.expected, buffer);
        EXPECT_EQ(c.changes, field->changes);
        field->deleteMe();
    }
}

// The set, from its rule: "!" to "_", "a" to "}" and the space; every other
// byte (backspace aside) is refused.
TEST_F(MenuStringTest, EveryByteOfTheSetIsAcceptedAndNoOther)
{
    char buffer[2] = {};
    MenuString* field = add(new MenuString(0.0f, 0.0f, 0.0f, "Name", "", buffer, 1));
    moveMouseTo(0.0f, 0.0f);
    for (int c = 1; c < 256; ++c) {
        if (c == 8)
            continue;
        typeKey(KEY_A, c);
        step();
        const bool bAllowed = c == ' ' || (c >= '!' && c <= '_') || (c >= 'a' && c <= '}');
        EXPECT_EQ(bAllowed ? std::string(1, static_cast<char>(c)) : std::string(), field->text)
            << "byte " << c << (bAllowed ? " refused" : " accepted");
        typeKey(KEY_BACKSPACE, 8);
        step();
    }
    field->deleteMe();
}

// Keys fed as the event pump delivers them, all between two frames; the
// field then gets as many frames as it needs.
TEST_F(MenuStringTest, EveryCharacterTypedInOneFrameReachesTheFieldInOrder)
{
    using testsupport::keyEvent;
    using testsupport::typingEvents;
    struct Case { const char* name; std::vector<SDL_Event> events; const char* expected; };
    const Case cases[] = {
        {"ShiftWithALowerCodedLetter", typingEvents("Mira"), "Mira"},
        {"ShiftWithAHigherCodedLetter", typingEvents("Bar"), "Bar"},
        {"RolledOverPair",
         {keyEvent(true, SDLK_n, 'n'), keyEvent(true, SDLK_o, 'o'), keyEvent(false, SDLK_n), keyEvent(false, SDLK_o)},
         "no"},
        {"BackspaceBetweenLetters", typingEvents("ab\bbc\b\bd"), "ad"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[16] = {};
        CountingField* field = add(new CountingField(buffer, 15));
        moveMouseTo(0.0f, 0.0f);
        testsupport::feed(c.events);
        for (size_t frame = 0; frame < c.events.size(); ++frame)
            step();
        EXPECT_EQ(c.expected, field->text);
        EXPECT_STREQ(c.expected, buffer);
        field->deleteMe();
    }
}

TEST_F(MenuStringTest, BufferContentsLongerThanTheFieldAreCutToItsLength)
{
    char buffer[32] = "abcdefghij";
    CountingField* field = add(new CountingField(buffer, 4));
    EXPECT_EQ("abcd", field->text);
    moveMouseTo(0.0f, 0.0f);
    step();
    EXPECT_STREQ("abcd", buffer);
    // Even a text changed behind the field's back never overruns the buffer.
    char small[5] = "abcd";
    CountingField* other = add(new CountingField(small, 4));
    other->text = "abcdefgh";
    step();
    EXPECT_STREQ("abcd", small);
}

// Typing reaches only a field under the pointer and enabled; the others
// hide their caret.
TEST_F(MenuStringTest, AwayOrDisabledFieldIgnoresTypingAndHidesTheCaret)
{
    for (bool disabled : {false, true}) {
        SCOPED_TRACE(disabled);
        char buffer[16] = "ab";
        CountingField* field = add(new CountingField(buffer, 15));
        field->disabled = disabled;
        field->caretVisible = true;
        moveMouseTo(disabled ? 0.0f : 300.0f, disabled ? 0.0f : -200.0f);
        typeKey(KEY_A, 'a');
        step();
        EXPECT_EQ("ab", field->text);
        EXPECT_EQ(0, field->changes);
        EXPECT_FALSE(field->caretVisible);
        field->deleteMe();
    }
}

} // namespace
