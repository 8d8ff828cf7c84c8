#include "FileManager.h"
#include "FileTestSupport.h"
#include "WadArchive.h"
#include "WadWriter.h"

#include <cstring>
#include <memory>

namespace {

Bytes pseudoRandom(size_t size, uint32_t seed)
{
    Bytes bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<unsigned char>(seed >> 24);
    }
    return bytes;
}

struct Sample { const char* name; Bytes bytes; };

Bytes buildArchive(const std::vector<Sample>& entries)
{
    WadWriter writer;
    UString error;
    for (const Sample& s : entries)
        EXPECT_TRUE(writer.addEntry(s.name, s.bytes.data(), s.bytes.size(), error)) << error;
    Bytes bytes;
    EXPECT_TRUE(writer.build(bytes, error)) << error;
    return bytes;
}

uint32_t u32At(const Bytes& bytes, size_t offset)
{
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

void putU32(Bytes& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Offset of the record of the first entry (in name order) in the directory.
size_t firstRecord(const Bytes& bytes)
{
    return u32At(bytes, 12);
}

TEST(WadArchive, DamagedArchivesAreRejectedWithAReason)
{
    const Bytes good = buildArchive({{"a.bin", pseudoRandom(40, 1)}, {"b.txt", Bytes(500, 'b')}});
    const size_t record = firstRecord(good);
    const size_t aFields = record + 2 + 5;
    const size_t bRecord = aFields + 13;
    const size_t bFields = bRecord + 2 + 5;
    auto with = [&](auto change) {
        Bytes bytes = good;
        change(bytes);
        return bytes;
    };
    const std::string aDamaged = "entry 'a.bin' damaged", bDamaged = "entry 'b.txt' damaged";
    struct Case { const char* what; Bytes bytes; std::string reason; };
    const Case cases[] = {
        {"header cut short", Bytes(good.begin(), good.begin() + 15), "file too short for the header"},
        {"last record one byte short", Bytes(good.begin(), good.end() - 1), "directory record 1 damaged"},
        {"stray byte after directory", with([](Bytes& b) { b.push_back(0); }), "stray bytes after the directory"},
        {"wrong magic", with([](Bytes& b) { b[0] = 'P'; }), "not a WAD archive (wrong magic)"},
        {"version 1", with([](Bytes& b) { putU32(b, 4, 1); }), "unsupported WAD version 1"},
        {"huge entry count", with([](Bytes& b) { putU32(b, 8, 0xFFFFFFFF); }),
         "directory too short for 4294967295 entries"},
        {"directory inside header", with([](Bytes& b) { putU32(b, 12, 3); }), "directory offset outside the file"},
        {"name runs past the end", with([&](Bytes& b) { b[record + 1] = 0x7F; }), "directory record 0 damaged"},
        {"entry runs into the directory",
         with([&](Bytes& b) { putU32(b, bFields + 4, static_cast<uint32_t>(record - u32At(b, bFields) + 1)); }),
         bDamaged},
        {"entry offset inside header", with([&](Bytes& b) { putU32(b, aFields, 2); }), aDamaged},
        {"entry offset wraps", with([&](Bytes& b) { putU32(b, aFields, 0xFFFFFFF0); }), aDamaged},
        {"oversize entry", with([&](Bytes& b) { putU32(b, bFields + 8, 0xFFFFFFFF); }), bDamaged},
        {"same name twice", with([&](Bytes& b) { std::memcpy(&b[bRecord + 2], "a.bin", 5); }),
         "entry 'a.bin' listed twice"},
    };
    for (const Case& c : cases) {
        UString error;
        EXPECT_EQ(WadArchive::openMemory(c.bytes, "bad.dat", error), nullptr) << c.what;
        EXPECT_EQ(error, c.reason) << c.what;
    }
}

TEST(WadArchive, DamagedEntryDataFailsOnRead)
{
    const Bytes good = buildArchive({{"b.txt", Bytes(500, 'b')}});
    const size_t fields = firstRecord(good) + 2 + 5;
    Bytes flipped = good;
    flipped[WadArchive::HEADER_SIZE + 5] ^= 0x55;
    Bytes longer = good;
    putU32(longer, fields + 8, 501);
    for (const Bytes* bytes : {&flipped, &longer}) {
        UString error;
        std::unique_ptr<WadArchive> archive = WadArchive::openMemory(*bytes, "bad.dat", error);
        ASSERT_TRUE(archive) << error;
        Bytes got;
        EXPECT_FALSE(archive->readEntry("b.txt", got, error));
        EXPECT_NE(error.find("b.txt"), std::string::npos) << error;
    }
}

// Once an archive is in use the loose files on disk are not data files; a
// folder never is one.
TEST(FileManager, ArchiveModeServesOnlyTheArchive)
{
    ScratchFolder folder;
    WadWriter writer;
    UString error;
    const Sample entries[] = {
        {"gfx/a.tga", Bytes(77, 5)}, {"gfx/b.tga", pseudoRandom(300, 2)}, {"sfx/c.ogg", pseudoRandom(41, 3)}};
    for (const Sample& entry : entries)
        ASSERT_TRUE(writer.addEntry(entry.name, entry.bytes.data(), entry.bytes.size(), error));
    ASSERT_TRUE(writer.write(folder.file("game.dat"), error)) << error;
    writeBytes(folder.file("loose.txt"), {1});

    FileManager files;
    EXPECT_FALSE(files.exists(folder.path()));
    EXPECT_EQ(files.open(folder.path()), nullptr);
    ASSERT_TRUE(files.useWad(folder.file("game.dat")));
    EXPECT_FALSE(files.useWad(folder.file("missing.dat")));
    EXPECT_TRUE(files.exists("././gfx/a.tga")) << "a missing archive leaves the current one in place";
    EXPECT_FALSE(files.exists(folder.file("loose.txt")));
    EXPECT_EQ(files.open(folder.file("loose.txt")), nullptr);
    for (const Sample& entry : entries) {
        const std::unique_ptr<InputFile> file = files.open(entry.name);
        ASSERT_TRUE(file) << entry.name;
        Bytes got(entry.bytes.size() + 10);
        got.resize(file->read(got.data(), got.size()));
        EXPECT_EQ(got, entry.bytes) << entry.name;
    }
}

} // namespace
