#pragma once
// WadArchive: the reader of the game's data archive (".dat"), through which
// the file manager serves every data file after useWad. Owned by the
// FileManager; main thread only.
//
// WAD format, version 2. All integers little-endian.
//
//   header, 16 bytes
//     0   4  magic "KWAD"
//     4   4  u32 version: 2
//     8   4  u32 number of entries
//    12   4  u32 offset of the directory
//   entry data from offset 16: each entry's stored bytes, back to back
//   directory, one record per entry (the writer sorts them by name bytes):
//     u16  name length, 1 to 1024
//     ...  name: the path relative to the packed folder, '/' between
//          folders, no leading "./", no NUL
//     u32  offset of the stored bytes
//     u32  stored size
//     u32  original size
//     u8   flags: bit 0 set = stored bytes are a zlib stream of the
//          original bytes (used only where it saves space); other bits 0.
//          Without bit 0 the stored size equals the original size.
//   The directory ends exactly at the end of the file.
//
// Everything read from the file is checked before use: the directory must
// lie inside the file, every entry's bytes inside the data area, names must
// be unique, and an entry must unpack to exactly its original size.
#include "InputFile.h"
#include "UString.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class WadArchive {
public:
    static constexpr char MAGIC[4] = {'K', 'W', 'A', 'D'};
    static constexpr uint32_t VERSION = 2;
    static constexpr size_t HEADER_SIZE = 16;
    static constexpr size_t MAX_NAME_LENGTH = 1024;
    static constexpr uint8_t FLAG_ZLIB = 1;
    // Largest entry accepted: bounds the allocation a damaged directory could
    // ask for.
    static constexpr uint32_t MAX_ENTRY_SIZE = 512u * 1024 * 1024;

    struct Entry {
        uint32_t offset = 0;
        uint32_t storedSize = 0;
        uint32_t originalSize = 0;
        uint8_t flags = 0;
    };

    ~WadArchive();
    WadArchive(const WadArchive&) = delete;
    WadArchive& operator=(const WadArchive&) = delete;

    // Null, with the reason in error, when the file is missing or damaged.
    static std::unique_ptr<WadArchive> openFile(const UString& path, UString& error);
    // The same over an archive already in memory.
    static std::unique_ptr<WadArchive> openMemory(std::vector<unsigned char> bytes, const UString& name,
                                                  UString& error);

    const UString& getName() const { return name; }
    size_t getEntryCount() const { return entries.size(); }
    bool contains(const UString& entryName) const;
    // The entry's original bytes; false, with the reason in error, when the
    // entry is missing or its stored bytes are damaged.
    bool readEntry(const UString& entryName, std::vector<unsigned char>& bytes, UString& error) const;
    // Names in directory order.
    std::vector<UString> getEntryNames() const;

private:
    WadArchive() = default;
    bool parse(UString& error);
    bool readAt(uint64_t offset, void* destination, size_t count) const;

    UString name;
    int fileDescriptor = -1;
    uint64_t fileSize = 0;
    std::vector<unsigned char> memoryBytes;
    std::unordered_map<UString, Entry> entries;
    std::vector<UString> order;
};
