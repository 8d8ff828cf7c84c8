#pragma once
// MemoryStream: a Stream over a growable byte buffer that it owns. Writing
// past the end grows it; an optional limit caps its size (a response read
// from the network is bounded so).
#include "Stream.h"

#include <string>

class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    // Writes that would grow the stream beyond limit bytes write nothing.
    explicit MemoryStream(size_t limit) : sizeLimit(limit) {}

    size_t read(void* destination, size_t count) override;
    size_t write(const void* source, size_t count) override;
    uint64_t getSize() const override { return bytes.size(); }
    uint64_t getPosition() const override { return position; }
    bool seek(uint64_t newPosition) override;

    // The bytes written so far.
    const std::string& getBytes() const { return bytes; }
    size_t write(const std::string& text) { return write(text.data(), text.size()); }
    // Copies the whole of another stream, from its start, in at the position;
    // false when it cannot be read whole or does not fit.
    bool writeAll(Stream& source);

private:
    std::string bytes;
    size_t position = 0;
    size_t sizeLimit = static_cast<size_t>(-1);
};
