#pragma once
// DiskInputFile: an InputFile read straight from disk.
#include "InputFile.h"
#include "UString.h"

#include <cstdio>
#include <memory>

class DiskInputFile : public InputFile {
public:
    // Null when the file cannot be opened.
    static std::unique_ptr<DiskInputFile> open(const UString& path);
    ~DiskInputFile() override;

    size_t getSize() const override { return size; }
    size_t read(void* destination, size_t count) override;

private:
    DiskInputFile(FILE* openFile, size_t fileSize) : pFile(openFile), size(fileSize) {}
    FILE* pFile;
    size_t size;
};
