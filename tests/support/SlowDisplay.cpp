// Loaded into the real program by a test (LD_PRELOAD) to play a display
// that is slow to answer, as a remote or busy X server is: every connection
// to an X server's local socket takes KIV_SLOW_CONNECT_SECONDS (fractions
// allowed) before it is made, and as the first begins it leaves a file
// named KIV_SLOW_CONNECT_BEGUN, when that is set, for the test to see.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A local socket whose name, in the file system or abstract, is an X
// server's ("/tmp/.X11-unix/X<n>").
bool isDisplaySocket(const sockaddr* address, socklen_t length)
{
    if (!address || address->sa_family != AF_UNIX || length <= offsetof(sockaddr_un, sun_path))
        return false;
    const sockaddr_un* local = reinterpret_cast<const sockaddr_un*>(address);
    const std::string name(local->sun_path, length - offsetof(sockaddr_un, sun_path));
    return name.find(".X11-unix/X") != std::string::npos;
}

// A sleep cut short by a signal goes on: the server does not hurry.
void waitSeconds(double seconds)
{
    timespec left{static_cast<time_t>(seconds), static_cast<long>(std::fmod(seconds, 1.0) * 1e9)};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace

extern "C" int connect(int socket, const sockaddr* address, socklen_t length)
{
    using Connect = int (*)(int, const sockaddr*, socklen_t);
    static const Connect realConnect = reinterpret_cast<Connect>(dlsym(RTLD_NEXT, "connect"));
    const char* seconds = std::getenv("KIV_SLOW_CONNECT_SECONDS");
    if (seconds && isDisplaySocket(address, length)) {
        if (const char* begun = std::getenv("KIV_SLOW_CONNECT_BEGUN"))
            close(open(begun, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        const int saved = errno;
        waitSeconds(std::atof(seconds));
        errno = saved;
    }
    return realConnect(socket, address, length);
}
