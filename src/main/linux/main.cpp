// Linux start-up glue: prepares the process the way the desktop would and
// hands control to the program's main loop entry.
#include "AllocatorSettings.h"
#include "ApplicationInfo.h"
#include "UString.h"
#include "WMhooks.h"

#include <climits>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

bool hasDataHere()
{
    return access(dataArchiveName().c_str(), R_OK) == 0 || access("gfx", R_OK) == 0;
}

// Started from elsewhere (a file manager, a shell in another folder), the
// game looks for its data in the "data" folder beside the executable.
void enterDataFolder()
{
    if (hasDataHere())
        return;
    char executable[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", executable, sizeof(executable) - 1);
    if (length <= 0)
        return;
    executable[length] = '\0';
    UString folder(executable);
    folder = folder.substr(0, folder.rfind('/')) + "/data";
    if (chdir(folder.c_str()) != 0)
        return;
}

} // namespace

int main(int argc, char* argv[])
{
    applyAllocatorSettings();
    // The desktop may add a process serial number argument; it is not ours.
    std::vector<char*> arguments(argv, argv + argc);
    if (arguments.size() > 1 && std::strncmp(arguments[1], "-psn", 4) == 0)
        arguments.erase(arguments.begin() + 1);
    arguments.push_back(nullptr);
    enterDataFolder();
    return SDL_main(static_cast<int>(arguments.size() - 1), arguments.data());
}
