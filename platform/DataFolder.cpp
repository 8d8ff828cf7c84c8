#include "DataFolder.h"

#include "ApplicationInfo.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

UString settledFolder;

// Where the data folder goes below, and the part of that path that must
// already be there: nothing of a base named by the environment (it is made
// whole), the home folder itself when it comes from the password database.
// Without a path, why none is known.
struct Base {
    UString path;
    UString mustExist;
    UString unknown;
};

// path + "/" + below without the doubled slash of a path ending in one (a
// home of "/").
UString joinPath(const UString& path, const UString& below)
{
    const size_t end = path.find_last_not_of('/');
    return (end == std::string::npos ? UString() : path.substr(0, end + 1)) + "/" + below;
}

// What getpwuid leaves in errno when the account simply has no entry, as
// opposed to a lookup that failed.
bool meansNoEntry(int error)
{
    return error == 0 || error == ENOENT || error == ESRCH || error == EBADF || error == EPERM;
}

// The account's home from the password database: a session started without
// HOME (a service, a cron job, `env -i`) still finds the player's one data
// folder instead of one below wherever it was started. A relative home would
// be just that, so it counts as none. Empty when the account has none, with
// the reason when the lookup itself failed.
UString accountHome(UString& failure)
{
    errno = 0;
    const passwd* account = getpwuid(getuid());
    if (!account && !meansNoEntry(errno)) {
        failure = formatString("the account's home folder could not be looked up (%s)", std::strerror(errno));
        return UString();
    }
    return account && account->pw_dir && account->pw_dir[0] == '/' ? UString(account->pw_dir) : UString();
}

Base baseFolder()
{
    if (const char* portable = std::getenv("U3_APP_DATA_PATH"); portable && *portable)
        return {portable, "", ""};
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return {xdg, "", ""};
    if (const char* home = std::getenv("HOME"); home && *home)
        return {joinPath(home, ".local/share"), "", ""};
    UString failure = "no home folder is known for this account";
    const UString home = accountHome(failure);
    if (home.empty())
        return {"", "", failure};
    return {joinPath(home, ".local/share"), home, ""};
}

// A working folder that cannot be named has been removed: the path is left
// relative, and as nothing can be made below a removed folder, the data
// folder is then not found at all.
UString absolutePath(const UString& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    char* working = getcwd(nullptr, 0);
    if (!working)
        return path;
    UString absolute = UString(working) + "/" + path;
    std::free(working);
    return absolute;
}

bool isFolder(const UString& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Makes every missing level of path; false, with errno from the level that
// failed, when the path is not a folder afterwards.
bool makeFolders(const UString& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        UString prefix = path.substr(0, slash);
        if (!prefix.empty() && mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    if (isFolder(path))
        return true;
    errno = ENOTDIR;
    return false;
}

// The data folder below base, made when asked and allowed; false, with the
// reason, when it is not there afterwards.
bool findDataFolder(const Base& base, bool create, UString& folder, UString& failure)
{
    if (base.path.empty()) {
        folder.clear();
        failure = base.unknown;
        return false;
    }
    folder = joinPath(absolutePath(base.path), UString(APPLICATION_NAME) + "/" + APPLICATION_VERSION);
    if (!create)
        return true;
    if (!base.mustExist.empty() && !isFolder(base.mustExist)) {
        failure = formatString("the home folder '%s' is not there", base.mustExist.c_str());
        return false;
    }
    if (makeFolders(folder))
        return true;
    failure = std::strerror(errno);
    return false;
}

} // namespace

UString getDataFolder(bool create)
{
    // A settled folder removed while the game runs is made again for the
    // next file.
    if (!settledFolder.empty()) {
        if (create)
            makeFolders(settledFolder);
        return settledFolder;
    }
    UString folder, failure;
    findDataFolder(baseFolder(), create, folder, failure);
    return folder;
}

UString settleDataFolder(UString& failure)
{
    failure.clear();
    findDataFolder(baseFolder(), true, settledFolder, failure);
    return settledFolder;
}
