#include "DataFolder.h"

#include "ApplicationInfo.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

UString settledFolder;

UString baseFolder()
{
    if (const char* portable = std::getenv("U3_APP_DATA_PATH"); portable && *portable)
        return portable;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return home && *home ? UString(home) + "/.local/share" : UString(".local/share");
}

// A working folder that cannot be named has been removed: the path is left
// relative, and as nothing can be made below a removed folder, the data
// folder is then not found at all.
UString absolutePath(const UString& path)
{
    if (path[0] == '/')
        return path;
    char* working = getcwd(nullptr, 0);
    if (!working)
        return path;
    UString absolute = UString(working) + "/" + path;
    std::free(working);
    return absolute;
}

void makeFolders(const UString& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        UString prefix = path.substr(0, slash);
        if (!prefix.empty())
            mkdir(prefix.c_str(), 0755);
        if (slash == std::string::npos)
            break;
    }
}

} // namespace

UString getDataFolder(bool create)
{
    const UString folder = settledFolder.empty()
                               ? absolutePath(baseFolder()) + "/" + APPLICATION_NAME + "/" + APPLICATION_VERSION
                               : settledFolder;
    if (create)
        makeFolders(folder);
    return folder;
}

UString settleDataFolder()
{
    settledFolder = getDataFolder(true);
    return settledFolder;
}
