#pragma once
// MenuKey: the key field of the controls screens. It shows the name of the
// input bound to one entry of the persistent block's key-binding table;
// while the mouse rests on it, the next keyboard key, joystick direction or
// joystick button that goes down becomes the binding and is taken away from
// every other entry, so that no input drives two actions. Escape and the
// mouse's own inputs (moving onto the field, clicking it) are never bound.
// The entry is not owned. Main thread only.
#include "MenuItem.h"

class MenuKey : public MenuItem {
public:
    // An edit-box frame 256 wide, caption left of it.
    MenuKey(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* keyCode);

    // Binds the lowest input that went down this frame while highlighted.
    void tick(double t, double dt) override;
    // The bound input's display name.
    void drawValue(float x, float y, float z) override;

    // True for the codes a field may bind: keyboard keys other than Escape,
    // joystick directions and buttons.
    static bool isBindable(int code);

    int* pKeyCode;
};
