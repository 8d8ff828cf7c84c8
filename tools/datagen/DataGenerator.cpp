#include "DataGenerator.h"

#include "Catalogue.h"
#include "ContactSheet.h"
#include "EffectsArt.h"
#include "FontMaker.h"
#include "GuiArt.h"
#include "HouseArt.h"
#include "HudArt.h"
#include "MusicMaker.h"
#include "PictureArt.h"
#include "SceneryArt.h"
#include "SmileyArt.h"
#include "SolutionSearch.h"
#include "SoundMaker.h"
#include "TextFiles.h"

#include <algorithm>
#include <stdexcept>

namespace {

const int kSolutionsPerSize = 200;

bool contains(const std::vector<std::string>& files, const std::string& path) {
    return std::find(files.begin(), files.end(), path) != files.end();
}

}  // namespace

DataGenerator::DataGenerator(const std::string& stagingFolder, const std::string& gameFolder)
    : staging(stagingFolder), game(gameFolder), face(DATAGEN_FONT_FILE), monoFace(DATAGEN_MONO_FONT_FILE) {}

void DataGenerator::generateAll() {
    GuiArt().generate(staging);
    FontMaker(face, monoFace).generate(staging);
    SceneryArt().generate(staging);
    SmileyArt().generate(staging);
    HouseArt().generate(staging);
    EffectsArt().generate(staging);
    HudArt().generate(staging);
    PictureArt(face).generate(staging);
    SoundMaker().generate(staging);
    MusicMaker().generate(staging);
    for (const Catalogue::Solution& s : Catalogue::solutions()) {
        SolutionSearch search(s.width, s.height, 1000u + static_cast<uint64_t>(s.width * 16 + s.height));
        staging.writeBytes(s.path, SolutionSearch::fileBytes(search.find(kSolutionsPerSize)));
    }
    TextFiles().generate(game);
    verify();
}

void DataGenerator::verify() const {
    const std::vector<std::string>& files = staging.getFiles();
    for (const Catalogue::Texture& t : Catalogue::textures()) {
        const auto sheet = std::find_if(staging.getSheets().begin(), staging.getSheets().end(),
                                        [&t](const DataWriter::WrittenSheet& s) { return s.path == t.path; });
        if (sheet == staging.getSheets().end() || !contains(files, t.path + ".ini"))
            throw std::runtime_error("missing texture " + t.path);
        if (static_cast<int>(sheet->skins.size()) < t.minFrames)
            throw std::runtime_error(t.path + " has too few frames");
        if (t.exactWidth && (sheet->image.getWidth() != t.exactWidth || sheet->image.getHeight() != t.exactHeight))
            throw std::runtime_error(t.path + " has the wrong size");
    }
    for (const auto* list : {&Catalogue::sounds(), &Catalogue::music()})
        for (const std::string& path : *list)
            if (!contains(files, path))
                throw std::runtime_error("missing sound " + path);
    for (const Catalogue::Solution& s : Catalogue::solutions())
        if (!contains(files, s.path))
            throw std::runtime_error("missing solutions " + s.path);
    for (const std::string& path : Catalogue::gameFiles())
        if (!contains(game.getFiles(), path))
            throw std::runtime_error("missing " + path);
}

void DataGenerator::writeContactSheet(const std::string& path) const {
    ContactSheet::write(staging.getSheets(), path);
}
