// Reading every entry of a 20 MB data archive through the file manager
// against reading the same files loose from disk, TGA decoding speed, and
// parsing a configuration file of the largest size read, whatever it holds.
#include "FileManager.h"
#include "Kiv.h"
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "TemporaryFolder.h"
#include "WadArchive.h"
#include "WadWriter.h"
#include "WholeFile.h"

#include <benchmark/benchmark.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int FILE_COUNT = 200;
constexpr size_t FILE_SIZE = 100 * 1024;

// 200 files of 100 KB: half smooth image-like data that compresses, half
// noise like Ogg data that does not, loose in a folder and packed.
class Fixture {
public:
    Fixture()
    {
        mkdir((folder + "/gfx").c_str(), 0755);
        mkdir((folder + "/sfx").c_str(), 0755);
        WadWriter writer;
        UString error;
        uint32_t noise = 12345;
        for (int i = 0; i < FILE_COUNT; ++i) {
            const bool image = i % 2 == 0;
            std::string name = (image ? "gfx/image" : "sfx/sound") + std::to_string(i) + (image ? ".tga" : ".ogg");
            std::string bytes(FILE_SIZE, '\0');
            for (size_t b = 0; b < FILE_SIZE; ++b) {
                noise = noise * 1664525u + 1013904223u;
                bytes[b] = static_cast<char>(image ? (b / 64 + i) & 0xFF : noise >> 24);
            }
            writeWholeFile(folder + "/" + name, bytes);
            writer.addEntry(name, bytes.data(), bytes.size(), error);
            names.push_back(name);
        }
        archive = folder + "/data.dat";
        writer.write(archive, error);
    }

    TemporaryFolder scratch{"kiv-bench-files"};
    const std::string& folder = scratch.path();
    std::string archive;
    std::vector<std::string> names;
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

size_t readEverything(FileManager& files, const std::string& prefix, std::vector<unsigned char>& buffer)
{
    size_t total = 0;
    for (const std::string& name : fixture().names) {
        std::unique_ptr<InputFile> file = files.open(prefix + name);
        buffer.resize(file->getSize());
        total += file->read(buffer.data(), buffer.size());
    }
    return total;
}

void BM_ReadEveryEntryFromArchive(benchmark::State& state)
{
    FileManager files;
    files.useWad(fixture().archive);
    std::vector<unsigned char> buffer;
    for (auto _ : state)
        benchmark::DoNotOptimize(readEverything(files, "", buffer));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * FILE_COUNT * FILE_SIZE);
}
BENCHMARK(BM_ReadEveryEntryFromArchive)->Unit(benchmark::kMillisecond);

void BM_ReadEveryFileLoose(benchmark::State& state)
{
    FileManager files;
    std::vector<unsigned char> buffer;
    for (auto _ : state)
        benchmark::DoNotOptimize(readEverything(files, fixture().folder + "/", buffer));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * FILE_COUNT * FILE_SIZE);
}
BENCHMARK(BM_ReadEveryFileLoose)->Unit(benchmark::kMillisecond);

void BM_DecodeTGA(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    std::vector<unsigned char> tga(18, 0);
    tga[2] = 2;
    tga[12] = static_cast<unsigned char>(side & 0xFF);
    tga[13] = static_cast<unsigned char>(side >> 8);
    tga[14] = tga[12];
    tga[15] = tga[13];
    tga[16] = 32;
    tga.resize(18 + static_cast<size_t>(side) * side * 4, 0x5A);
    for (auto _ : state) {
        MemoryImageFile image(0, 0);
        UString error;
        benchmark::DoNotOptimize(image.decodeTGA(tga.data(), tga.size(), false, error));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(tga.size()));
}
BENCHMARK(BM_DecodeTGA)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

// 1 MB of one kind of line: 0 distinct keys in one section, 1 a section per
// key, 2 the same key again and again, 3 lines that are dropped. Measured on
// an 8-core Xeon: cases 0, 2 and 3 take 4-5 ms (200-250 MB/s); case 1 takes
// 15-19 times the fastest (60-70 ms), as each of its 81,000 sections has a
// list of keys and a key index of its own to allocate and free, and is
// looked up in a section index that outgrows the processor's cache. None
// grows with the square of the size: a sixteenth of the text takes a
// sixteenth of the time, and in case 1 a twenty-eighth.
void BM_ParseConfiguration(benchmark::State& state)
{
    std::string text;
    for (int i = 0; text.size() < Kiv::MAX_CONFIG_SIZE - 32; ++i) {
        switch (state.range(0)) {
        case 0: text += "key" + std::to_string(i) + "=1\n"; break;
        case 1: text += "[s" + std::to_string(i) + "]\nk=1\n"; break;
        case 2: text += "key=" + std::to_string(i) + "\n"; break;
        default: text += "garbage" + std::to_string(i) + "\n"; break;
        }
    }
    for (auto _ : state) {
        MemoryIniFile ini;
        benchmark::DoNotOptimize(ini.parse(text.data(), text.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseConfiguration)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
