#pragma once
// Stream: a sequence of bytes read and written at a position, on disk
// (FileStream) or in memory (MemoryStream). Upload bodies are assembled
// and responses collected through them. One thread at a time per stream.
#include <cstddef>
#include <cstdint>

class Stream {
public:
    virtual ~Stream() = default;
    // Reads up to count bytes at the position; returns how many were read.
    virtual size_t read(void* destination, size_t count) = 0;
    // Writes count bytes at the position; returns how many were written.
    virtual size_t write(const void* source, size_t count) = 0;
    virtual uint64_t getSize() const = 0;
    virtual uint64_t getPosition() const = 0;
    // False when the position lies beyond the end.
    virtual bool seek(uint64_t position) = 0;
};
