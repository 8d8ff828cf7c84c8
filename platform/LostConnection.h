#pragma once
// The error of a stream connection that its user has found broken, as the
// socket itself keeps it, for a report of the loss: the error the socket
// has pending (a reset), else what a read of it fails with, else a broken
// pipe (the peer has closed it, or its user gave up on it with the socket
// still open). The caller's errno is never the answer: it may be one that
// other code left, such as a non-blocking read's EAGAIN. Reads nothing off
// the connection, but its peek may change errno: a caller that reports
// through errno sets it from the answer. Any thread.
int lostConnectionError(int socket);
