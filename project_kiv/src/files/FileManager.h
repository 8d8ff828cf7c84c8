#pragma once
// FileManager: where the program's data files come from, and the disk side
// of the player's packed files. Without an archive the data files are served
// loose from the working folder (disk mode); after useWad they come from the
// ".dat" archive only (archive mode). Owned by the engine object; main thread
// only.
//
// Damaged game data is fatal, naming the file: a broken archive when it is
// made current, a broken entry when it is opened. Player files that cannot
// be used are never fatal, and never lost: loadPackedFile answers false and
// keeps a damaged one, or anything at its name that is no regular file,
// aside under its name with ".damaged" added (PlayerFile.h), and leaves a
// regular file that could not be read where it is, never to be saved over
// in this run.
#include "InputFile.h"
#include "UString.h"

#include <memory>
#include <unordered_map>

class WadArchive;

class FileManager {
public:
    FileManager();
    ~FileManager();
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;

    // Makes the named archive the source of every later request. A missing
    // archive answers false and leaves the previous source (archive or disk)
    // in place; one that cannot be read, or is damaged, is fatal.
    bool useWad(const UString& archiveName);
    // True when the name is an archive entry (archive mode) or a readable
    // regular file (disk mode). A leading "./" is ignored.
    bool exists(const UString& name) const;
    // Null when the file does not exist.
    std::unique_ptr<InputFile> open(const UString& name) const;
    // Through the engine's file manager; loose from disk when no engine runs
    // (the tools). Null when the file does not exist.
    static std::unique_ptr<InputFile> openDataFile(const UString& name);
    // The current archive, or null in disk mode.
    const WadArchive* getArchive() const { return pArchive.get(); }
    // The data file for a report, naming where it was looked for:
    // "'gfx/a.tga' in the archive './Glimmerdaledemo.dat'" in archive mode,
    // "'gfx/a.tga'" otherwise (also when no engine runs).
    static UString describeDataFile(const UString& name);

    // Packs size bytes into the packed data container (PackedFile.h) and
    // writes it as folder + "/" + fileName with replaceFile (ReplaceFile.h),
    // so a failed save never loses the previous good copy. True when done
    // (and when size is 0: nothing to save). False when it failed, or when
    // the file there may not be replaced (mayReplace): the reason goes to
    // the log and standard error, and into reason when given.
    bool savePackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                        const void* data, size_t size, UString* reason = nullptr);
    // Reads and checks such a file and copies exactly size bytes into buffer.
    // True without reading when size is 0. False, the buffer untouched, when
    // the file is missing, when it fails its checks (damaged, of another
    // version, name or size, or no regular file at all: it is first kept
    // aside with keepDamaged), or when it cannot be opened or read
    // (leaveUnread).
    bool loadPackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                        void* buffer, size_t size);
    // Moves a player file that fails its checks out of the way of the next
    // save (keepDamagedFile: ".damaged" added, or a numbered name when
    // something else holds that one) and logs one line saying where and why
    // (reason, in words). When it cannot be moved it stays, and mayReplace
    // holds it from then on.
    void keepDamaged(const UString& path, const UString& reason);
    // For a player file that could not be opened or read (reason, in words):
    // says so in the log and on standard error, and leaves it where it is,
    // held by mayReplace from then on, since nothing is known of what it
    // holds.
    void leaveUnread(const UString& path, const UString& reason);
    // False, with the reason in words in why, for a file that writing over
    // would lose: a damaged one that could not be kept aside, one that could
    // not be read.
    bool mayReplace(const UString& path, UString& why) const;

private:
    std::unique_ptr<WadArchive> pArchive;
    // Files not to be written over, with the reason.
    std::unordered_map<UString, UString> unreplaceable;
};
