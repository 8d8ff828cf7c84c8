// datagen: writes the game's whole data set (art, fonts, sounds, music,
// puzzle solutions) into a staging folder, and the loose edition files
// (readme, edition settings) into the game folder.
//
//   datagen <staging folder> <game folder> [--contact-sheet <file.png>]
#include "DataGenerator.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "--contact-sheet") == 0)) {
        std::fprintf(stderr, "usage: %s <staging folder> <game folder> [--contact-sheet <file.png>]\n", argv[0]);
        return 2;
    }
    try {
        DataGenerator generator(argv[1], argv[2]);
        generator.generateAll();
        if (argc == 5)
            generator.writeContactSheet(argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
