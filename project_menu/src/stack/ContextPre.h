#pragma once
// ContextPre: the shared scenery behind the menus: sky, hills, grass and
// ground (one Background with every layer) seen through a gliding camera.
// Global creates one after loading, owns it and lends it to every menu
// screen as its background context, so the scenery stays put when the player
// moves between menus; the ending scene builds one of its own. Never pushed
// on the screen stack. Main thread only.
#include "ContextBlender.h"

class ContextPre : public ContextBlender {
public:
    // The camera stands centred, with the bottom edge of the view at y = -4
    // on the plane z = 0.
    ContextPre();
};
