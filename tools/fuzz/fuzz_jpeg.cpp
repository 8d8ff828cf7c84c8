// Fuzz target: the JPEG reader (libjpeg behind a memory source).
#include "FuzzSeeds.h"
#include "MemoryImageFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryImageFile image(0, 0);
    UString error;
    image.decodeJPG(data, size, false, error);
    MemoryImageFile sized(0, 0);
    sized.decodeJPG(data, size, true, error);
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    std::vector<std::string> seeds;
    char path[] = "/tmp/kiv-fuzz-jpeg-XXXXXX";
    int descriptor = mkstemp(path);
    if (descriptor < 0)
        return seeds;
    close(descriptor);
    const int sizes[][3] = {{8, 8, 90}, {17, 5, 30}};
    for (const auto& s : sizes) {
        MemoryImageFile image(s[0], s[1]);
        for (int i = 0; i < s[0] * s[1] * 4; ++i)
            image.pImageData[i] = static_cast<unsigned char>(i * 13);
        UString error;
        if (!image.saveJPG(path, s[2], error))
            continue;
        std::ifstream file(path, std::ios::binary);
        seeds.emplace_back((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }
    std::remove(path);
    return seeds;
}
