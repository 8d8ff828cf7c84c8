#include "WadWriter.h"

#include "ReplaceFile.h"
#include "WadArchive.h"
#include "ZlibCodec.h"

#include <cstring>

namespace {

void appendU32(std::vector<unsigned char>& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

} // namespace

bool WadWriter::addEntry(const UString& name, const void* data, size_t size, UString& error)
{
    if (name.empty() || name.size() > WadArchive::MAX_NAME_LENGTH || name.find('\0') != std::string::npos) {
        error = formatString("entry name '%s' cannot be stored", name.c_str());
        return false;
    }
    if (size > WadArchive::MAX_ENTRY_SIZE) {
        error = formatString("entry '%s' is too large (%zu bytes)", name.c_str(), size);
        return false;
    }
    Stored stored;
    stored.originalSize = static_cast<uint32_t>(size);
    std::vector<unsigned char> packed = ZlibCodec::compress(data, size);
    if (!packed.empty() && packed.size() < size) {
        stored.bPacked = true;
        stored.bytes = std::move(packed);
    } else {
        const unsigned char* begin = static_cast<const unsigned char*>(data);
        stored.bytes.assign(begin, begin + size);
    }
    entries[name] = std::move(stored);
    return true;
}

uint64_t WadWriter::getOriginalBytes() const
{
    uint64_t total = 0;
    for (const auto& entry : entries)
        total += entry.second.originalSize;
    return total;
}

bool WadWriter::build(std::vector<unsigned char>& bytes, UString& error) const
{
    uint64_t total = WadArchive::HEADER_SIZE;
    for (const auto& entry : entries)
        total += entry.second.bytes.size();
    if (total > UINT32_MAX) {
        error = "archive data exceeds 4 GB";
        return false;
    }
    bytes.clear();
    bytes.reserve(total);
    for (char c : WadArchive::MAGIC)
        bytes.push_back(static_cast<unsigned char>(c));
    appendU32(bytes, WadArchive::VERSION);
    appendU32(bytes, static_cast<uint32_t>(entries.size()));
    appendU32(bytes, static_cast<uint32_t>(total));
    std::vector<unsigned char> directory;
    for (const auto& [name, stored] : entries) {
        directory.push_back(static_cast<unsigned char>(name.size() & 0xFF));
        directory.push_back(static_cast<unsigned char>(name.size() >> 8));
        directory.insert(directory.end(), name.begin(), name.end());
        appendU32(directory, static_cast<uint32_t>(bytes.size()));
        appendU32(directory, static_cast<uint32_t>(stored.bytes.size()));
        appendU32(directory, stored.originalSize);
        directory.push_back(stored.bPacked ? WadArchive::FLAG_ZLIB : 0);
        bytes.insert(bytes.end(), stored.bytes.begin(), stored.bytes.end());
    }
    bytes.insert(bytes.end(), directory.begin(), directory.end());
    return true;
}

bool WadWriter::write(const UString& path, UString& error) const
{
    std::vector<unsigned char> bytes;
    if (!build(bytes, error))
        return false;
    return replaceFile(path, bytes, error);
}
