// Fuzz target: the data archive's directory and entry reader.
#include "FuzzSeeds.h"
#include "WadArchive.h"
#include "WadWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    UString error;
    std::unique_ptr<WadArchive> archive = WadArchive::openMemory(std::vector<unsigned char>(data, data + size), "fuzz.dat", error);
    if (!archive)
        return 0;
    for (const UString& name : archive->getEntryNames()) {
        std::vector<unsigned char> bytes;
        archive->readEntry(name, bytes, error);
    }
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    WadWriter writer;
    UString error;
    const std::string repetitive(700, 'r');
    std::string varied;
    for (int i = 0; i < 90; ++i)
        varied += static_cast<char>(i * 151);
    writer.addEntry("gfx/a.tga", repetitive.data(), repetitive.size(), error);
    writer.addEntry("sfx/b.ogg", varied.data(), varied.size(), error);
    writer.addEntry("empty", "", 0, error);
    std::vector<unsigned char> bytes;
    writer.build(bytes, error);
    return {std::string(bytes.begin(), bytes.end())};
}
