#pragma once
// Reading a whole output: what a test expects of every element of a buffer,
// an array or a list the code filled, checked index by index, so that a slip
// that spares the first element (or spoils all but one) still fails; the
// failures are counted and the first few named. Where reading every element
// costs too much, the first, a middle and the last index. Plain values, any
// thread.
//
//   EXPECT_TRUE(everyIndex(frames, [&](size_t i) { return out[i] == f(i); }))
//   for (size_t i : firstMiddleLast(lines.size())) ...
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace testsupport {

// check(i) for each index below count, a bool or an AssertionResult (whose
// message is kept for the indices named).
template <typename Check>
::testing::AssertionResult everyIndex(size_t count, Check check, size_t named = 3)
{
    size_t failed = 0;
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    for (size_t i = 0; i < count; ++i) {
        const ::testing::AssertionResult one(check(i));
        if (one)
            continue;
        if (failed++ < named)
            result << (failed > 1 ? "; " : "") << "index " << i << (one.message()[0] ? ": " : "") << one.message();
    }
    if (failed == 0)
        return ::testing::AssertionSuccess();
    return result << " (" << failed << " of " << count << " wrong)";
}

// 0, count / 2 and count - 1, each once.
inline std::vector<size_t> firstMiddleLast(size_t count)
{
    std::vector<size_t> indices;
    for (size_t i : {size_t{0}, count / 2, count - 1})
        if (i < count && (indices.empty() || indices.back() != i))
            indices.push_back(i);
    return indices;
}

} // namespace testsupport
