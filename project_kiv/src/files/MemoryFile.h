#pragma once
// MemoryFile: a whole data file held in memory, from the data archive or from
// disk (FileManager::open). Audio sources, puzzle solutions and images read
// its bytes in place. The object owns data; it may live in the object tree or
// as a plain member of its user. Main thread only; the bytes may be read from
// SDL's audio thread once constructed.
#include "KivBase.h"
#include "UString.h"

#include <cstdint>

class MemoryFile : public KivBase {
    KIV_DECLARE_CLASS();

public:
    // An empty name gives an empty file. A missing file is the fatal error
    // "File '<name>' does not exist."; a file that cannot be read whole is
    // fatal too, naming the file.
    explicit MemoryFile(const UString& fileName);
    ~MemoryFile() override;
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // The name it was read by, for reports about its contents.
    const UString name;
    // Owned; null when the file is empty.
    unsigned char* data = nullptr;
    // Number of bytes in data.
    uint32_t size = 0;
};
