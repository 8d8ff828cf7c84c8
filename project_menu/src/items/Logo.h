#pragma once
// Logo: the game's title picture on the main menu, a timed drawable showing
// the composite skin "logo:all". Its creator sets the start delay, fades,
// lifetime and position and makes it a child of the menu screen, which owns
// it. Main thread only.
#include "RenderableTimed.h"

class Logo : public RenderableTimed {
public:
    // Fatal when "logo:all" is not registered.
    Logo();
};
