#pragma once
// DataWriter: writes the generated files under one root folder, creating
// folders as needed, and remembers every texture sheet it wrote so that a
// contact sheet of the whole art set can be drawn at the end. Any write
// failure throws: a half-written data set must not pass as finished.
#include "Image.h"
#include "SpriteSheet.h"

#include <cstdint>
#include <string>
#include <vector>

class DataWriter {
public:
    explicit DataWriter(std::string rootFolder);

    void writeBytes(const std::string& relativePath, const std::vector<uint8_t>& bytes);
    void writeText(const std::string& relativePath, const std::string& text);
    // The TGA and, beside it, its skin file (".tga.ini").
    void writeSheet(const std::string& relativePath, SpriteSheet& sheet);

    struct WrittenSheet {
        std::string path;
        Image image;
        std::vector<SpriteSheet::Skin> skins;
    };
    const std::vector<WrittenSheet>& getSheets() const { return sheets; }
    const std::vector<std::string>& getFiles() const { return files; }

private:
    std::string root;
    std::vector<WrittenSheet> sheets;
    std::vector<std::string> files;
};
