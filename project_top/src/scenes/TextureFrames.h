#pragma once
// TextureFrames: the number of animation frames of a multi-frame texture
// resource, for the actors that pick a frame by number or offer one per
// variant. The frames are the skins registered under the texture's key, a
// colon and 0, 1, 2 and on; composite skins that some textures also list
// (such as "tree:all") are not frames. Reads the resource registry; main
// thread only, after loading.
#include <climits>

class TextureFrames {
public:
    // The frame count of the texture registered under key; fatal, naming
    // the texture, when it lies outside least..most.
    static int count(const char* key, int least, int most = INT_MAX);
};
