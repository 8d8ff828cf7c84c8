#include "ReplaceFile.h"

#include <cstdio>
#include <unistd.h>

bool replaceFile(const UString& path, const std::vector<unsigned char>& bytes, UString& error)
{
    const UString temporary = path + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = formatString("cannot create '%s'", temporary.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = formatString("cannot write '%s'", path.c_str());
        return false;
    }
    return true;
}
