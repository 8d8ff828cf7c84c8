#pragma once
// DataGenerator: runs every part of the data generator in a fixed order, so
// that the same program always writes the same bytes.
#include "DataWriter.h"
#include "FontFace.h"

#include <string>

class DataGenerator {
public:
    DataGenerator(const std::string& stagingFolder, const std::string& gameFolder);
    void generateAll();
    // One PNG showing every texture with its frames outlined.
    void writeContactSheet(const std::string& path) const;

private:
    // Every catalogue file written, with the frames its users need.
    void verify() const;
    DataWriter staging;
    DataWriter game;
    FontFace face;
    // The outline font's monospaced face.
    FontFace monoFace;
};
