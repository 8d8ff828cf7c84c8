#pragma once
// WadWriter: builds a data archive in the format WadArchive reads (the
// format note is in WadArchive.h). The packer tool uses it, so data is
// packed by the same code that reads it. Entries are kept in memory
// until write; the output depends only on the names and bytes added, not on
// the order of adding. Any thread, one writer per thread.
#include "UString.h"

#include <cstdint>
#include <map>
#include <vector>

class WadWriter {
public:
    // Adds (or replaces) an entry; the bytes are compressed when that saves
    // space. False, with the reason in error, for a name the format cannot
    // hold.
    bool addEntry(const UString& name, const void* data, size_t size, UString& error);
    // Writes the archive to a temporary file beside path, then renames it
    // over path. False, with the reason in error, when it cannot be written
    // or would exceed the format's 4 GB offsets.
    bool write(const UString& path, UString& error) const;
    // The archive bytes that write stores.
    bool build(std::vector<unsigned char>& bytes, UString& error) const;

    size_t getEntryCount() const { return entries.size(); }
    uint64_t getOriginalBytes() const;

private:
    struct Stored {
        uint32_t originalSize = 0;
        bool bPacked = false;
        std::vector<unsigned char> bytes;
    };
    std::map<UString, Stored> entries;
};
