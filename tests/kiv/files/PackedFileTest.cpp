#include "DescriptorLimit.h"
#include "FileManager.h"
#include "FileTestSupport.h"
#include "PackedFile.h"
#include "PermissionsObeyed.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <sys/stat.h>

namespace {

const char* const NAME = "Glimmerdaledemo.hst";
const char* const VERSION = "1.30";

Bytes block(size_t size, unsigned char seed)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(seed + i * 7 + (i >> 5));
    return bytes;
}

TEST(PackedFile, AnyMismatchAnswersFalseAndLeavesTheBufferAlone)
{
    const Bytes data = block(1048, 9);
    const Bytes good = PackedFile::pack(NAME, VERSION, data.data(), data.size());
    auto with = [&](auto change) {
        Bytes bytes = good;
        change(bytes);
        return bytes;
    };
    // A well-signed container whose header claims the size asked for but
    // whose stream unpacks to fewer bytes.
    const Bytes small = block(100, 1);
    Bytes shortPayload = PackedFile::pack(NAME, VERSION, small.data(), small.size());
    shortPayload[20] = 1048 & 0xFF;
    shortPayload[21] = 1048 >> 8;
    struct Case { const char* what; Bytes bytes; const char* fileName; const char* version; size_t size; };
    const Case cases[] = {
        {"intact but another size asked", good, NAME, VERSION, 1047},
        {"intact but another version", good, NAME, "1.31", 1048},
        {"intact but renamed", good, "Glimmerdaledemo.pro", VERSION, 1048},
        {"header cut short", Bytes(good.begin(), good.begin() + 43), NAME, VERSION, 1048},
        {"stray byte", with([](Bytes& b) { b.push_back(0); }), NAME, VERSION, 1048},
        {"wrong magic", with([](Bytes& b) { b[1] = 'Q'; }), NAME, VERSION, 1048},
        {"digest changed", with([](Bytes& b) { b[30] ^= 1; }), NAME, VERSION, 1048},
        {"payload changed", with([](Bytes& b) { b[PackedFile::HEADER_SIZE + 3] ^= 1; }), NAME, VERSION, 1048},
        {"signed payload shorter than its header says", shortPayload, NAME, VERSION, 1048},
    };
    UString error;
    for (const Case& c : cases) {
        Bytes buffer(c.size, 0xEE);
        error.clear();
        EXPECT_FALSE(PackedFile::unpack(c.bytes.data(), c.bytes.size(), c.fileName, c.version, buffer.data(), c.size,
                                        error))
            << c.what;
        EXPECT_FALSE(error.empty()) << c.what << ": the reason is given";
        EXPECT_EQ(buffer, Bytes(c.size, 0xEE)) << c.what;
    }
    Bytes buffer(1048);
    EXPECT_TRUE(PackedFile::unpack(good.data(), good.size(), NAME, VERSION, buffer.data(), buffer.size(), error));
    EXPECT_EQ(buffer, data);
}

TEST(PackedFile, AFailedSaveKeepsThePreviousCopySaysWhyAndLeavesNoTemporaryFile)
{
    struct Case { const char* what; std::function<void(const ScratchFolder&)> hinder; const char* reason; };
    const Case cases[] = {
        {"a folder that may not be written", [](const ScratchFolder& f) { chmod(f.path().c_str(), 0555); },
         "the temporary file could not be created (Permission denied)"},
        {"a folder in the file's place",
         [](const ScratchFolder& f) {
             std::filesystem::remove(f.file(NAME));
             std::filesystem::create_directories(f.file(NAME) + "/inside");
         },
         "the new file could not take its name (Is a directory)"},
    };
    const Bytes first = block(300, 1), second = block(300, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        FileManager files;
        ASSERT_TRUE(files.savePackedFile(folder.path(), NAME, VERSION, first.data(), first.size()));
        const Bytes before = readBytes(folder.file(NAME));
        c.hinder(folder);
        UString reason;
        {
            PermissionsObeyed obeyed;
            EXPECT_FALSE(files.savePackedFile(folder.path(), NAME, VERSION, second.data(), second.size(), &reason));
        }
        chmod(folder.path().c_str(), 0755);
        EXPECT_EQ(reason, c.reason);
        if (!std::filesystem::is_directory(folder.file(NAME))) {
            EXPECT_EQ(readBytes(folder.file(NAME)), before);
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "nothing else is left";
    }
}

// Replacing it would lose the only copy of what the player had: a damaged
// file that cannot be kept aside, or one that could not be opened, which
// says nothing of what it holds and is not kept aside either.
TEST(PackedFile, AFileThatCouldNotBeReadOrKeptAsideIsNeverReplaced)
{
    const Bytes data = block(64, 3);
    const Bytes intact = PackedFile::pack(NAME, VERSION, data.data(), data.size());
    struct Case { const char* what; Bytes bytes; mode_t folderMode, fileMode; bool bNoDescriptorLeft; };
    const Case cases[] = {
        {"damaged, in a folder that may not be written", Bytes(10, 'x'), 0555, 0644, false},
        {"intact, with no descriptor left to open it", intact, 0755, 0644, true},
        {"intact, but it may not be read", intact, 0755, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        FileManager files;
        writeBytes(folder.file(NAME), c.bytes);
        chmod(folder.file(NAME).c_str(), c.fileMode);
        chmod(folder.path().c_str(), c.folderMode);
        Bytes buffer(data.size());
        {
            PermissionsObeyed obeyed;
            std::optional<DescriptorLimit> limit;
            if (c.bNoDescriptorLeft)
                limit.emplace();
            EXPECT_FALSE(files.loadPackedFile(folder.path(), NAME, VERSION, buffer.data(), buffer.size()));
        }
        chmod(folder.path().c_str(), 0755);
        chmod(folder.file(NAME).c_str(), 0644);
        const Bytes fresh = block(64, 4);
        EXPECT_FALSE(files.savePackedFile(folder.path(), NAME, VERSION, fresh.data(), fresh.size()));
        EXPECT_EQ(readBytes(folder.file(NAME)), c.bytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "nothing kept aside";
    }
}

} // namespace
