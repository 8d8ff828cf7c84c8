#pragma once
// InputFile: a file opened for reading by the file manager, from the data
// archive or from disk.
#include <cstddef>

class InputFile {
public:
    virtual ~InputFile() = default;
    virtual size_t getSize() const = 0;
    // Reads up to count bytes; returns how many were read.
    virtual size_t read(void* destination, size_t count) = 0;
};
