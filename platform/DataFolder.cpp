#include "DataFolder.h"

#include "ApplicationInfo.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

UString baseFolder()
{
    if (const char* portable = std::getenv("U3_APP_DATA_PATH"); portable && *portable)
        return portable;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return UString(home && *home ? home : ".") + "/.local/share";
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
    UString folder = baseFolder() + "/" + APPLICATION_NAME + "/" + APPLICATION_VERSION;
    if (create)
        makeFolders(folder);
    return folder;
}
