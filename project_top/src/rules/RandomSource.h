#pragma once
// RandomSource: where the game's rules draw their random numbers. The rules
// never read a random number of their own: the caller hands them a source,
// so that a test can give a fixed sequence and a seeded game repeats. The
// running game's source is StandardRandom (the C library's rand(), seeded
// with srand); every draw below takes exactly one number from the source, so
// the order of draws is the order of calls. Not thread-safe.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // The next number of the sequence, 0..RAND_MAX (at least 16 bits).
    virtual int next() = 0;

    // A fraction in [0, 1) from the low 16 bits: (next() & 0xFFFF) / 65536.
    double fraction();
    // 0..n-1 as next() % n; n must be at least 1.
    int below(int n);
    // A coin toss: next() & 1 is 0.
    bool heads();
};
