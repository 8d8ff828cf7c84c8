// kivpack: packs every regular file under a folder into a game data archive
// (WAD format, version 2), each under its path relative to the folder with
// '/' between folders. The output depends only on the files' names and
// bytes, so the same folder always gives the same archive.
#include "WadWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "kivpack: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kivpack <output.dat> <folder>\n");
        return 2;
    }
    const fs::path output = argv[1];
    const fs::path folder = argv[2];
    std::error_code code;
    if (!fs::is_directory(folder, code))
        return fail("'" + folder.string() + "' is not a folder");
    const fs::path outputAbsolute = fs::weakly_canonical(output, code);

    WadWriter writer;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::follow_directory_symlink, code);
    if (code)
        return fail("cannot read '" + folder.string() + "': " + code.message());
    for (const fs::directory_entry& item : walk) {
        if (!item.is_regular_file())
            continue;
        const fs::path path = item.path();
        std::error_code same;
        if (fs::weakly_canonical(path, same) == outputAbsolute)
            continue;
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open())
            return fail("cannot read '" + path.string() + "'");
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad())
            return fail("cannot read '" + path.string() + "'");
        UString error;
        const UString name = path.lexically_relative(folder).generic_string();
        if (!writer.addEntry(name, bytes.data(), bytes.size(), error))
            return fail(error);
    }
    UString error;
    if (!writer.write(output.string(), error))
        return fail(error);
    std::printf("kivpack: %zu files, %llu bytes, packed into %s (%llu bytes)\n", writer.getEntryCount(),
                static_cast<unsigned long long>(writer.getOriginalBytes()), output.string().c_str(),
                static_cast<unsigned long long>(fs::file_size(output, code)));
    return 0;
}
