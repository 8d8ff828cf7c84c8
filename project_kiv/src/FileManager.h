#pragma once
// FileManager: where the program's data files come from. Without an archive
// the files are served loose from the working folder (disk mode); after
// useWad they come from the ".dat" archive. Main thread only.
#include "InputFile.h"
#include "UString.h"

#include <memory>

class WadArchive;

class FileManager {
public:
    FileManager();
    ~FileManager();

    // Makes the named archive the source of every later request; false when
    // it cannot be read (the previous source stays).
    bool useWad(const UString& archiveName);
    // True when the name is an archive entry (archive mode) or a readable file (disk mode).
    bool exists(const UString& name) const;
    // Null when the file does not exist.
    std::unique_ptr<InputFile> open(const UString& name) const;
    // Through the engine's file manager; loose from disk when no engine runs
    // (tools and tests). Null when the file does not exist.
    static std::unique_ptr<InputFile> openDataFile(const UString& name);

    // The packed data container: compressed, with a digest keyed by the file
    // name and version text. Save does nothing for size 0; load fills the
    // buffer only when everything checks out and the size matches.
    void savePackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                        const void* data, size_t size);
    bool loadPackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                        void* buffer, size_t size);

private:
    std::unique_ptr<WadArchive> pArchive;
};
