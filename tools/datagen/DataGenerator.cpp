#include "DataGenerator.h"

#include "ContactSheet.h"
#include "GuiArt.h"
#include "SceneryArt.h"
#include "SmileyArt.h"

DataGenerator::DataGenerator(const std::string& stagingFolder, const std::string& gameFolder)
    : staging(stagingFolder), game(gameFolder) {}

void DataGenerator::generateAll() {
    GuiArt().generate(staging);
    SceneryArt().generate(staging);
    SmileyArt().generate(staging);
}

void DataGenerator::writeContactSheet(const std::string& path) const {
    ContactSheet::write(staging.getSheets(), path);
}
