// Fuzz target: the packed data container of the player's files.
#include "FuzzSeeds.h"
#include "PackedFile.h"

#include <cstring>

namespace {
const char* const NAME = "Glimmerdaledemo.pro";
const char* const VERSION = "1.30";
constexpr size_t ROSTER_SIZE = 1048;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static unsigned char buffer[ROSTER_SIZE];
    UString error;
    PackedFile::unpack(data, size, NAME, VERSION, buffer, sizeof(buffer), error);
    PackedFile::unpack(data, size, NAME, VERSION, buffer, 0, error);
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    unsigned char roster[ROSTER_SIZE];
    for (size_t i = 0; i < sizeof(roster); ++i)
        roster[i] = static_cast<unsigned char>(i % 7 == 0 ? i : 0);
    std::vector<unsigned char> packed = PackedFile::pack(NAME, VERSION, roster, sizeof(roster));
    return {std::string(packed.begin(), packed.end())};
}
