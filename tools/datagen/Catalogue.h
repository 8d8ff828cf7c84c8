#pragma once
// Catalogue: every file of the game's data set that the program loads, with
// what each must hold (the least number of frames or glyph skins, and the
// exact size where the drawing code relies on one). The generator checks its
// output against it, and so do the tests.
#include <string>
#include <vector>

class Catalogue {
public:
    struct Texture {
        std::string path;
        int flags;  // creation flags the loader uses (2 shrink to fit, 8 keep source)
        int minFrames;
        int exactWidth;   // 0: any size up to 256
        int exactHeight;
    };
    struct Solution {
        std::string path;
        int width;
        int height;
    };

    static const std::vector<Texture>& textures();
    static const std::vector<std::string>& sounds();
    static const std::vector<std::string>& music();
    static const std::vector<Solution>& solutions();
    // Loose files beside the archive in the game folder.
    static const std::vector<std::string>& gameFiles();
};
