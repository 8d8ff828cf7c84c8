// Fuzz target: Ogg Vorbis data through our own read, seek and tell
// callbacks and channel checks (OggDecoder), decoded the ways the game's
// sounds and music are: whole, then again in chunks from the start.
// Seeds: the smallest generated sound, and the start of a generated music
// track (stereo), from the build's data (KIV_GAME_DATA).
#include "FuzzSeeds.h"
#include "OggDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr int CHUNK_FRAMES = 4096;
// Enough for every seed; a mutation that decodes to more stops here so that
// a run stays short.
constexpr long MAX_FRAMES = 1 << 20;

void decodeChunks(OggDecoder& decoder, std::vector<float>& buffer)
{
    long total = 0;
    while (total < MAX_FRAMES) {
        const long got = decoder.readStereo(buffer.data(), CHUNK_FRAMES);
        if (got > CHUNK_FRAMES)
            std::abort();
        if (got <= 0)
            return;
        total += got;
    }
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OggDecoder decoder;
    if (size > UINT32_MAX || !decoder.open(data, static_cast<uint32_t>(size)))
        return 0;
    if (decoder.getLength() < 0 || decoder.getRate() <= 0)
        std::abort();
    std::vector<float> buffer(2 * CHUNK_FRAMES);
    decodeChunks(decoder, buffer);
    if (decoder.rewind())
        decodeChunks(decoder, buffer);
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    const std::string sound = readFile(std::string(KIV_GAME_DATA) + "/sfx/clickXP.ogg");
    const std::string music = readFile(std::string(KIV_GAME_DATA) + "/sfx/music/ingame.ogg");
    if (sound.empty() || music.empty()) {
        std::fprintf(stderr, "the generated sounds are missing from %s\n", KIV_GAME_DATA);
        std::exit(1);
    }
    return {sound, music.substr(0, 8192)};
}
