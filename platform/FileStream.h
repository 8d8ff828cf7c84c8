#pragma once
// FileStream: a Stream over a file on disk. Owns its file handle.
#include "Stream.h"
#include "UString.h"

#include <cstdio>
#include <memory>

class FileStream : public Stream {
public:
    enum Mode { MODE_READ, MODE_WRITE };
    // MODE_READ opens an existing regular file; MODE_WRITE creates or
    // truncates, never through a link (openWritableFile). Null when the file
    // cannot be opened so.
    static std::unique_ptr<FileStream> open(const UString& path, Mode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    size_t read(void* destination, size_t count) override;
    size_t write(const void* source, size_t count) override;
    uint64_t getSize() const override;
    uint64_t getPosition() const override;
    bool seek(uint64_t position) override;
    // Writes buffered bytes through to the disk; false on failure.
    bool flush();

private:
    explicit FileStream(FILE* openFile) : pFile(openFile) {}
    FILE* pFile;
};
