#include "DataWriter.h"

#include "TgaFile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

DataWriter::DataWriter(std::string rootFolder) : root(std::move(rootFolder)) {}

void DataWriter::writeBytes(const std::string& relativePath, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path path = std::filesystem::path(root) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("could not write " + path.string());
    files.push_back(relativePath);
}

void DataWriter::writeText(const std::string& relativePath, const std::string& text) {
    writeBytes(relativePath, std::vector<uint8_t>(text.begin(), text.end()));
}

void DataWriter::writeSheet(const std::string& relativePath, SpriteSheet& sheet) {
    const Image& image = sheet.compose();
    if (image.getWidth() > 256 || image.getHeight() > 256)
        throw std::runtime_error(relativePath + " is larger than 256 x 256");
    writeBytes(relativePath, TgaFile::encode(image));
    writeText(relativePath + ".ini", sheet.skinFileText());
    sheets.push_back({relativePath, image, sheet.getSkins()});
}
