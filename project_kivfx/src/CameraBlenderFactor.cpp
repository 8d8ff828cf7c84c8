#include "CameraBlenderFactor.h"

void CameraBlenderFactor::tick(double, double dt)
{
    if (factor >= 1.0f)
        return;
    elapsed += dt;
    // A blend of no length is over at once; dividing by it would make a NaN
    // that no clamp catches and the blend would never end.
    double fraction = duration > 0.0 ? elapsed / duration : 1.0;
    factor = static_cast<float>(fraction);
    if (factor < 0.0f)
        factor = 0.0f;
    if (factor > 1.0f)
        factor = 1.0f;
}
