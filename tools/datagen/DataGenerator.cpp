#include "DataGenerator.h"

#include "ContactSheet.h"
#include "EffectsArt.h"
#include "GuiArt.h"
#include "HouseArt.h"
#include "HudArt.h"
#include "PictureArt.h"
#include "SceneryArt.h"
#include "SmileyArt.h"

DataGenerator::DataGenerator(const std::string& stagingFolder, const std::string& gameFolder)
    : staging(stagingFolder), game(gameFolder), face(DATAGEN_FONT_FILE) {}

void DataGenerator::generateAll() {
    GuiArt().generate(staging);
    SceneryArt().generate(staging);
    SmileyArt().generate(staging);
    HouseArt().generate(staging);
    EffectsArt().generate(staging);
    HudArt().generate(staging);
    PictureArt(face).generate(staging);
}

void DataGenerator::writeContactSheet(const std::string& path) const {
    ContactSheet::write(staging.getSheets(), path);
}
