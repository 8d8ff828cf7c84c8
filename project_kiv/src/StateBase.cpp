#include "StateBase.h"

void StateBase::setState(int32_t newState, double delay, bool force)
{
    if (stateGoto == newState && !force)
        return;
    stateGoto = newState;
    stateLeft = delay;
    if (delay <= 0.0)
        enterPendingState();
}

void StateBase::tick(double, double dt)
{
    timeInState += dt;
    if (stateLeft > 0.0) {
        stateLeft -= dt;
        if (stateLeft <= 0.0)
            enterPendingState();
    }
}

void StateBase::addPropertiesTo(PropertyContainer&)
{
}

void StateBase::enterPendingState()
{
    stateLeft = 0.0;
    timeInState = 0.0;
    state = stateGoto;
    onStateChange();
}
