#include "KeyPressQueue.h"

void KeyPressQueue::push(KeyPress press)
{
    if (waiting.size() < MAX_WAITING)
        waiting.push_back(press);
}

void KeyPressQueue::handOut()
{
    current = KeyPress();
    if (waiting.empty())
        return;
    current = waiting.front();
    waiting.pop_front();
}

void KeyPressQueue::giveBack()
{
    if (current.code != 0)
        waiting.push_front(current);
    current = KeyPress();
}
