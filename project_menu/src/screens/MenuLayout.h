#pragma once
// MenuLayout: the places shared by the menu screens, so that every screen
// shows its title, its column of buttons and its back button where the
// game-mode selection screen shows them: the title in the large font 50
// units below the view's top edge, buttons 45 units apart down the middle,
// the back button 128 wide in the lower left corner. The helpers append the
// new object to the screen, which owns it. Main thread only; they need the
// loaded fonts and GUI textures.
#include <string>

class Context;
class MenuButtonQuit;
class RenderableText;

class MenuLayout {
public:
    static constexpr float TITLE_DROP = 50.0f;
    static constexpr float BUTTON_STEP = 45.0f;
    // Centre of a corner button from the side and bottom edges of the view.
    static constexpr float CORNER_INSET_X = 100.0f;
    static constexpr float CORNER_INSET_Y = 50.0f;
    static constexpr int CORNER_WIDTH = 128;

    // Half the view's height and width (integer halves), view units.
    static float top();
    static float right();

    // The screen's title, white, centred on x and y.
    static RenderableText* addTitle(Context& screen, const std::string& text);
    // The BACK button in the lower left corner; its click closes the screen.
    static MenuButtonQuit* addBackButton(Context& screen);
};
