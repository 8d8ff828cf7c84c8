// Fuzz target: the puzzle solution files. The first byte picks one of the
// nine grid sizes the game loads, the rest is a solution file of that size.
// Every record of the file must be accepted by the record check exactly
// when it is a path through every cell of its grid by steps to a
// 4-neighbour, judged here another way (the record is an ordering of the
// grid's cells, each step one cell long). Then the file is loaded whole,
// from disk as the game reads a loose data file: it must keep exactly the
// records the check accepts, in file order. Seeds: the first records of
// each generated solution file, from the build's data (KIV_GAME_DATA).
#include "FuzzSeeds.h"
#include "board/SolutionData.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

struct GridSize {
    int width, height;
};
// The sizes the game loads, in the order of their files.
constexpr GridSize SIZES[] = {{3, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 5}, {5, 6}, {6, 6}, {6, 7}, {7, 7}};
constexpr int SEED_RECORDS = 3;

bool isPath(const uint8_t* record, int width, int height)
{
    std::vector<int> cells, grid;
    for (int step = 0; step < width * height; ++step)
        cells.push_back(record[step]);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            grid.push_back(x << 4 | y);
    std::sort(cells.begin(), cells.end());
    if (cells != grid)
        return false;
    for (int step = 1; step < width * height; ++step) {
        const int dx = (record[step] >> 4) - (record[step - 1] >> 4);
        const int dy = (record[step] & 0x0F) - (record[step - 1] & 0x0F);
        if (dx * dx + dy * dy != 1)
            return false;
    }
    return true;
}

// The loader reads from disk when there is no engine: each input is
// written to this file and removed once loaded (an input that fails leaves
// nothing behind), in memory-backed /dev/shm where there is one, since a
// round trip through a real disk for every input would make the run many
// times longer.
std::string scratchFile()
{
    const std::string folder = std::filesystem::is_directory("/dev/shm")
                                   ? std::string("/dev/shm")
                                   : std::filesystem::temp_directory_path().string();
    return folder + "/fuzz_solution." + std::to_string(getpid()) + ".dat";
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const GridSize picked = SIZES[data[0] % std::size(SIZES)];
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    std::vector<int32_t> accepted;
    const size_t recordSize = static_cast<size_t>(picked.width * picked.height);
    for (size_t at = 0; at + recordSize <= fileSize; at += recordSize) {
        const bool ok = SolutionData::checkRecord(file + at, picked.width, picked.height).empty();
        if (ok != isPath(file + at, picked.width, picked.height))
            std::abort();
        if (ok)
            accepted.push_back(static_cast<int32_t>(at / recordSize));
    }

    static const std::string scratch = scratchFile();
    std::ofstream(scratch, std::ios::binary).write(reinterpret_cast<const char*>(file),
                                                   static_cast<std::streamsize>(fileSize));
    const SolutionData loaded(picked.width, picked.height, scratch);
    std::remove(scratch.c_str());
    if (loaded.usableRecords != accepted || loaded.count != static_cast<int32_t>(accepted.size()))
        std::abort();
    for (int record = 0; record < loaded.count; ++record)
        for (int step = 0; step < loaded.recordSize; ++step)
            if (loaded.getByte(record, step) != file[accepted[static_cast<size_t>(record)] * loaded.recordSize + step])
                std::abort();
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    std::vector<std::string> seeds;
    for (size_t i = 0; i < std::size(SIZES); ++i) {
        const GridSize grid = SIZES[i];
        const std::string file = readFile(std::string(KIV_GAME_DATA) + "/solutions/solution-" +
                                          std::to_string(grid.width) + "x" + std::to_string(grid.height) + ".dat");
        const size_t length = static_cast<size_t>(SEED_RECORDS * grid.width * grid.height);
        if (file.size() < length) {
            std::fprintf(stderr, "the generated solutions are missing from %s\n", KIV_GAME_DATA);
            std::exit(1);
        }
        seeds.push_back(std::string(1, static_cast<char>(i)) + file.substr(0, length));
    }
    return seeds;
}
