#pragma once
// StateBase: the timed state machine every engine object carries (second
// base of KivBase). A change may be immediate or delayed; a delayed change
// fires in the first tick whose accumulated steps reach the delay, and a
// later request replaces a pending one. Times in seconds. Main thread only.
#include <cstdint>

class PropertyContainer;

class StateBase {
public:
    StateBase() = default;
    virtual ~StateBase() = default;

    // Requests a change to newState after delay seconds. Ignored when
    // stateGoto already equals newState unless force is set; otherwise
    // replaces any pending change. A delay <= 0 changes at once, running
    // onStateChange before returning.
    void setState(int32_t newState, double delay = 0.0, bool force = false);
    virtual void tick(double t, double dt);
    // Called after state has been set and timeInState reset to 0.
    virtual void onStateChange() {}
    virtual void addPropertiesTo(PropertyContainer& container);

    int32_t state = 0;
    double timeInState = 0.0;
    double stateLeft = 0.0;
    int32_t stateGoto = 0;

private:
    void enterPendingState();
};
