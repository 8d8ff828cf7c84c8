#include "WadArchive.h"

#include "ZlibCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint32_t readU32(const unsigned char* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

// zlib cannot expand data more than about 1032 times; a packed entry that
// claims more is damaged, and must not make the reader allocate for it.
constexpr uint64_t MAX_ZLIB_RATIO = 1040;

// Smallest directory record: name length, one name byte, three sizes, flags.
constexpr size_t MIN_RECORD_SIZE = 2 + 1 + 12 + 1;

} // namespace

WadArchive::~WadArchive()
{
    if (fileDescriptor >= 0)
        close(fileDescriptor);
}

std::unique_ptr<WadArchive> WadArchive::openFile(const UString& path, UString& error)
{
    std::unique_ptr<WadArchive> archive(new WadArchive());
    archive->name = path;
    // Non-blocking, so that a pipe or a device in the archive's place is
    // refused at once instead of waiting for a writer.
    archive->fileDescriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (archive->fileDescriptor < 0 || fstat(archive->fileDescriptor, &info) != 0) {
        error = formatString("cannot be opened (%s)", std::strerror(errno));
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return nullptr;
    }
    archive->fileSize = static_cast<uint64_t>(info.st_size);
    if (!archive->parse(error))
        return nullptr;
    return archive;
}

std::unique_ptr<WadArchive> WadArchive::openMemory(std::vector<unsigned char> bytes, const UString& archiveName,
                                                   UString& error)
{
    std::unique_ptr<WadArchive> archive(new WadArchive());
    archive->name = archiveName;
    archive->memoryBytes = std::move(bytes);
    archive->fileSize = archive->memoryBytes.size();
    if (!archive->parse(error))
        return nullptr;
    return archive;
}

bool WadArchive::readAt(uint64_t offset, void* destination, size_t count) const
{
    if (offset > fileSize || count > fileSize - offset)
        return false;
    if (count == 0)
        return true;
    if (fileDescriptor < 0) {
        std::memcpy(destination, memoryBytes.data() + offset, count);
        return true;
    }
    unsigned char* target = static_cast<unsigned char*>(destination);
    while (count > 0) {
        ssize_t got = pread(fileDescriptor, target, count, static_cast<off_t>(offset));
        if (got <= 0)
            return false;
        target += got;
        offset += static_cast<uint64_t>(got);
        count -= static_cast<size_t>(got);
    }
    return true;
}

bool WadArchive::parse(UString& error)
{
    unsigned char header[HEADER_SIZE];
    if (!readAt(0, header, HEADER_SIZE)) {
        error = "file too short for the header";
        return false;
    }
    if (std::memcmp(header, MAGIC, sizeof(MAGIC)) != 0) {
        error = "not a WAD archive (wrong magic)";
        return false;
    }
    const uint32_t version = readU32(header + 4);
    if (version != VERSION) {
        error = formatString("unsupported WAD version %u", version);
        return false;
    }
    const uint32_t count = readU32(header + 8);
    const uint64_t directoryOffset = readU32(header + 12);
    if (directoryOffset < HEADER_SIZE || directoryOffset > fileSize) {
        error = "directory offset outside the file";
        return false;
    }
    const uint64_t directorySize = fileSize - directoryOffset;
    if (count > directorySize / MIN_RECORD_SIZE) {
        error = formatString("directory too short for %u entries", count);
        return false;
    }
    std::vector<unsigned char> directory(directorySize);
    if (!readAt(directoryOffset, directory.data(), directory.size())) {
        error = "directory cannot be read";
        return false;
    }
    size_t at = 0;
    entries.reserve(count);
    order.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (directory.size() - at < 2) {
            error = formatString("directory record %u cut short", i);
            return false;
        }
        const size_t nameLength = directory[at] | (directory[at + 1] << 8);
        at += 2;
        if (nameLength == 0 || nameLength > MAX_NAME_LENGTH || directory.size() - at < nameLength + 13) {
            error = formatString("directory record %u damaged", i);
            return false;
        }
        UString entryName(reinterpret_cast<const char*>(directory.data() + at), nameLength);
        at += nameLength;
        Entry entry;
        entry.offset = readU32(directory.data() + at);
        entry.storedSize = readU32(directory.data() + at + 4);
        entry.originalSize = readU32(directory.data() + at + 8);
        entry.flags = directory[at + 12];
        at += 13;
        const bool packed = (entry.flags & FLAG_ZLIB) != 0;
        if ((entry.flags & ~FLAG_ZLIB) != 0 || entryName.find('\0') != std::string::npos ||
            entry.originalSize > MAX_ENTRY_SIZE || (!packed && entry.storedSize != entry.originalSize) ||
            (packed && entry.originalSize > static_cast<uint64_t>(entry.storedSize) * MAX_ZLIB_RATIO + 64) ||
            entry.offset < HEADER_SIZE ||
            static_cast<uint64_t>(entry.offset) + entry.storedSize > directoryOffset) {
            error = formatString("entry '%s' damaged", entryName.c_str());
            return false;
        }
        if (!entries.emplace(entryName, entry).second) {
            error = formatString("entry '%s' listed twice", entryName.c_str());
            return false;
        }
        order.push_back(entryName);
    }
    if (at != directory.size()) {
        error = "stray bytes after the directory";
        return false;
    }
    return true;
}

bool WadArchive::contains(const UString& entryName) const
{
    return entries.count(entryName) != 0;
}

bool WadArchive::readEntry(const UString& entryName, std::vector<unsigned char>& bytes, UString& error) const
{
    auto found = entries.find(entryName);
    if (found == entries.end()) {
        error = formatString("no entry '%s'", entryName.c_str());
        return false;
    }
    const Entry& entry = found->second;
    std::vector<unsigned char> stored(entry.storedSize);
    if (!readAt(entry.offset, stored.data(), stored.size())) {
        error = formatString("entry '%s' cannot be read", entryName.c_str());
        return false;
    }
    if (!(entry.flags & FLAG_ZLIB)) {
        bytes = std::move(stored);
        return true;
    }
    std::vector<unsigned char> original(entry.originalSize);
    if (!ZlibCodec::uncompress(stored.data(), stored.size(), original.data(), original.size())) {
        error = formatString("entry '%s' does not unpack to its %u bytes", entryName.c_str(), entry.originalSize);
        return false;
    }
    bytes = std::move(original);
    return true;
}

std::vector<UString> WadArchive::getEntryNames() const
{
    return order;
}
