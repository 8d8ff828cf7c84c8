#pragma once
// KeyPressQueue: the player's key presses in the order their events arrived,
// handed out one per frame. Presses that arrive together (a modifier with a
// letter, two letters typed fast on a slow frame, a rolled-over pair) each
// get a frame of their own, so none hides another and every typed character
// reaches whoever reads the frame's press. Owned by KivInput; main thread
// only.
#include <cstddef>
#include <deque>

class KeyPressQueue {
public:
    struct KeyPress {
        // Input code 1..255; 0 for no press.
        int code = 0;
        // Windows-1252 byte the press typed (backspace 8); 0 for none.
        int character = 0;
    };

    // More waiting presses than any typist makes between two frames; past
    // this a flood of events is dropped rather than kept without limit.
    static constexpr size_t MAX_WAITING = 256;

    // A press as its event arrives; dropped when MAX_WAITING already wait.
    void push(KeyPress press);
    // Once per frame: the oldest waiting press becomes the frame's press
    // (no press when none waits).
    void handOut();
    // The frame's press goes back to the front of the queue, to be handed
    // out again in the next frame; for a frame whose readers have not seen it.
    void giveBack();

    // The press handed out this frame.
    KeyPress current;

private:
    std::deque<KeyPress> waiting;
};
