#pragma once
// PackedFile: the packed data container of the player's files, the
// persistent block (".hst") and the roster (".pro"). The high-score upload
// sends the container as is, so this layout is also a wire format. The file
// manager does the disk side (FileManager::savePackedFile and
// loadPackedFile). Stateless; any thread.
//
// Layout, integers little-endian:
//     0   4  magic "KPAK"
//     4  16  version text, NUL-padded (its first 15 characters)
//    20   4  u32 original size
//    24   4  u32 packed size
//    28  16  keyed MD5Digest of the packed bytes; the key is the first four
//            bytes, little-endian, of the plain MD5 of the file name (without
//            folder), one NUL, and the 16-byte version field
//    44   .  packed bytes: the zlib stream of the original bytes
// The file ends with the packed bytes. A container is accepted only when the
// magic, version, both sizes and the digest match and the stream unpacks to
// exactly the original size; so a file renamed to another name, or written by
// another version, is rejected too.
#include "UString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class PackedFile {
public:
    static constexpr char MAGIC[4] = {'K', 'P', 'A', 'K'};
    static constexpr size_t VERSION_FIELD_SIZE = 16;
    static constexpr size_t HEADER_SIZE = 44;

    // The container of size bytes of data.
    static std::vector<unsigned char> pack(const UString& fileName, const UString& versionText, const void* data,
                                           size_t size);
    // Checks the container and copies its size bytes into buffer; false, the
    // buffer untouched and the reason in words, on any mismatch.
    static bool unpack(const unsigned char* bytes, size_t byteCount, const UString& fileName,
                       const UString& versionText, void* buffer, size_t size, UString& error);
    // Largest container that can hold size bytes: readers need read no more.
    static size_t maxContainerSize(size_t size);
};
