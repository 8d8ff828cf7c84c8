#pragma once
// Shared by the menu screen tests: the item tests' engine (640 x 480 view,
// one world unit one pixel, origin at the centre; painted frames and bare
// quad fonts; English texts) with the screen stack in Global, plus the
// pictures of the logo and configuration screens. Screens are pushed on the
// real ContextManager and stepped through the engine's frames with a fixed
// dt; input is fed as the window's events. The menu scenery is left
// out (Global's ContextPre stays null).
#include "../items/ItemTestSupport.h"

#include "ContextDialog.h"
#include "HSTdata.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"

namespace screentest {

using namespace itemtest;

constexpr int KEY_RETURN = 28;

class Environment : public itemtest::Environment {
public:
    void SetUp() override
    {
        itemtest::Environment::SetUp();
        ResourceManager& registry = *pKiv->pResourceManager;
        Texture* logo = makeTexture("bfstudios", 64, 40, {{0, 0, 64, 40}}, [](int, int) { return RED; });
        registry.addResource("bfstudios", logo);
        registry.addResource("bfstudios:0", logo->skins[0]);
        Texture* picture = makeTexture("autoconfigure", 32, 28, {{0, 0, 32, 28}}, [](int, int) { return GREEN; });
        picture->skins[0]->setOriginLocation(7);
        registry.addResource("autoConfigure", picture);
        registry.addResource("autoConfigure:0", picture->skins[0]);
    }
};

template <typename T>
bool isA(Context* screen)
{
    return dynamic_cast<T*>(screen) != nullptr;
}

// The item tests' fixture, its frames run over the whole screen stack.
class ScreenTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        pGlobal->hst.resetHighScores();
        pGlobal->urlToOpenOnExit.clear();
    }
    // One engine frame over the screen stack, taking the events fed.
    void frame() { stepFrame(&stack(), frameSeconds); }
    // Pushes the screen and runs the frame that activates it.
    template <typename T>
    T* open(T* screen)
    {
        stack().pushContext(screen);
        frame();
        return screen;
    }
    // One frame with a fresh left-button press at the world point; when
    // the button was down in the last frame, a frame with it up first.
    void clickAt(float x, float y)
    {
        if (pKiv->pInput->isDown(MOUSE_LEFT))
            frame();
        moveMouseTo(x, y);
        setInput({MOUSE_LEFT});
        frame();
        setInput({});
        moveMouseTo(300.0f, -230.0f);
    }
    void clickOn(const Renderable* item) { clickAt(item->position.x, item->position.y); }
    // Frames until the screen leaves the top (it is on top when called), at most limit.
    int framesUntilClosed(Context* screen, int limit = 2000)
    {
        int frames = 0;
        for (; top() == screen && frames < limit; ++frames)
            frame();
        return frames;
    }
    // One frame in which the key went down and typed the character.
    void type(int code, int character)
    {
        typeKey(code, character);
        frame();
        setInput({});
    }
    // Answers the dialog on top: first (yes) or second (no) button; then the
    // frame in which the asking button performs its click.
    void answer(bool yes)
    {
        auto* dialog = dynamic_cast<ContextDialog*>(top());
        ASSERT_NE(dialog, nullptr);
        frame();
        clickOn(yes ? dialog->pFirstButton : dialog->pSecondButton);
        frame();
    }
    // Clicks each button on the screen from; each must push a screen that
    // isExpected accepts, which is then closed to return to from.
    void expectPushes(Context* from, std::initializer_list<std::pair<MenuButton*, bool (*)(Context*)>> buttons)
    {
        for (const auto& [button, isExpected] : buttons) {
            clickOn(button);
            EXPECT_TRUE(isExpected(top())) << button->caption;
            top()->bFinished = true;
            frame();
            EXPECT_EQ(top(), from);
        }
    }
    static void addPlayers(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            pGlobal->profileManager.addProfile(name);
    }
};

} // namespace screentest
