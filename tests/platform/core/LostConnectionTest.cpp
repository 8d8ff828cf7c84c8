#include "LostConnection.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// What the far end did before the near end's user gave up on the
// connection. The user's errno is always a stale EAGAIN, as a non-blocking
// read of its own leaves it.
struct Loss {
    const char* what;
    bool bFarEndSent;
    bool bNearEndSent;
    bool bFarEndClosed;
    int expected;
};

const Loss LOSSES[] = {
    {"closed by the far end", false, false, true, EPIPE},
    {"closed after a last message still unread", true, false, true, EPIPE},
    {"closed with a message of ours unread there", false, true, true, ECONNRESET},
    {"given up while still open", true, false, false, EPIPE},
};

TEST(LostConnection, NamesTheSocketsOwnErrorNeverTheCallersErrno)
{
    for (const Loss& loss : LOSSES) {
        int ends[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0) << std::strerror(errno);
        ASSERT_TRUE(!loss.bFarEndSent || write(ends[1], "x", 1) == 1);
        ASSERT_TRUE(!loss.bNearEndSent || write(ends[0], "y", 1) == 1);
        if (loss.bFarEndClosed)
            close(ends[1]);
        errno = EAGAIN;
        EXPECT_EQ(lostConnectionError(ends[0]), loss.expected) << loss.what;
        char unread;
        EXPECT_EQ(recv(ends[0], &unread, 1, MSG_DONTWAIT) == 1, loss.bFarEndSent) << loss.what << ": nothing is read off";
        close(ends[0]);
        if (!loss.bFarEndClosed)
            close(ends[1]);
    }
}

} // namespace
