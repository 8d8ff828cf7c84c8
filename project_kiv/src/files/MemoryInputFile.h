#pragma once
// MemoryInputFile: an InputFile over bytes already in memory (an unpacked
// archive entry). Owns its bytes.
#include "InputFile.h"

#include <vector>

class MemoryInputFile : public InputFile {
public:
    explicit MemoryInputFile(std::vector<unsigned char> fileBytes) : bytes(std::move(fileBytes)) {}

    size_t getSize() const override { return bytes.size(); }
    size_t read(void* destination, size_t count) override;

private:
    std::vector<unsigned char> bytes;
    size_t position = 0;
};
