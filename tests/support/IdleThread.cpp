// Loaded into the real program by a test (LD_PRELOAD) to stand for a
// driver's thread that blocks no signal: it starts as the program is
// loaded, is named "idle-thread" (so the test finds it in /proc) and
// sleeps, so that a signal sent to it runs the program's handler there.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace {

void* idle(void*)
{
    pthread_setname_np(pthread_self(), "idle-thread");
    for (;;)
        pause();
}

__attribute__((constructor)) void startIdleThread()
{
    pthread_t thread;
    sigset_t open;
    sigemptyset(&open);
    pthread_sigmask(SIG_SETMASK, &open, nullptr);
    if (pthread_create(&thread, nullptr, idle, nullptr) == 0)
        pthread_detach(thread);
}

} // namespace
