// Fuzz target: the TGA reader, then the pixel operations on what it accepts.
#include "FuzzSeeds.h"
#include "MemoryImageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryImageFile image(0, 0);
    UString error;
    if (image.decodeTGA(data, size, false, error) && image.width * image.height <= 64 * 64) {
        image.ditherTo15Bit();
        image.halveSize();
    }
    MemoryImageFile sized(0, 0);
    sized.decodeTGA(data, size, true, error);
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    std::vector<std::string> seeds;
    for (int variant = 0; variant < 3; ++variant) {
        const int width = 3 + variant, height = 2 + variant;
        std::string tga(18, '\0');
        tga[0] = static_cast<char>(variant);
        tga[2] = 2;
        tga[12] = static_cast<char>(width);
        tga[14] = static_cast<char>(height);
        tga[16] = 32;
        tga[17] = variant == 1 ? 0x28 : 0x08;
        tga += std::string(variant, 'i');
        for (int i = 0; i < width * height * 4; ++i)
            tga += static_cast<char>(i * 37 + variant);
        seeds.push_back(tga);
    }
    return seeds;
}
