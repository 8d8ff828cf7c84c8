#include "StateBase.h"

#include "PropertyContainer.h"
#include "PropertyDouble.h"
#include "PropertyInt.h"

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

void StateBase::addPropertiesTo(PropertyContainer& container)
{
    auto group = std::make_unique<PropertyContainer>("StateBase");
    group->add(std::make_unique<PropertyInt>("state", &state));
    group->add(std::make_unique<PropertyDouble>("timeInState", &timeInState));
    group->add(std::make_unique<PropertyDouble>("stateLeft", &stateLeft));
    group->add(std::make_unique<PropertyInt>("stateGoto", &stateGoto));
    container.add(std::move(group));
}

void StateBase::enterPendingState()
{
    stateLeft = 0.0;
    timeInState = 0.0;
    state = stateGoto;
    onStateChange();
}
