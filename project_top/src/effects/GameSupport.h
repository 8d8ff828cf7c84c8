#pragma once
// GameSupport: what the game's objects read of the engine's world, said
// once: the game's random fraction, the Detail setting, the resources by key
// and the number of frames of a texture. (The game they play in is handed to
// them; see BoardHost.) No
// state of its own; main thread only, after the loader has run (resources,
// frame counts and the Detail setting need the registered resources and
// Global).
#include "Kiv.h"
#include "ResourceManager.h"
#include "UString.h"

class GameSupport {
public:
    GameSupport() = delete;

    // (rand() & 0xFFFF) / 65536, in [0, 1): one draw from the game's
    // random sequence, so that a seeded run repeats.
    static double randomFraction();
    // True when the Detail setting asks for decorative effects (above 0).
    static bool highDetail();
    // The Detail setting itself: 0 low, 1 high.
    static int detailLevel();
    // The frames of the texture registered under key: its skins registered as
    // "key:0", "key:1" and so on. Composite skins that set-up code appends
    // to a texture's skin list later are not frames and are not counted.
    static int frameCount(const UString& key);
    // The resource registered under key as a T; a missing one is fatal.
    template <typename T>
    static T* resource(const UString& key)
    {
        return pKiv->pResourceManager->findAs<T>(key);
    }
};
