#pragma once
// The current test run again in fresh programs, for determinism tests that
// must not share a process (the game harness starts once per process, and
// run-wide caches such as the puzzle solutions drawn so far would make a
// second game differ). The test reruns itself alone in child processes of
// this test program; each child writes its trace to the file named in an
// environment variable and passes; the parent compares the traces:
//
//   const std::vector<std::string> runs = tracesOfFreshRuns(2, [] { return traceOfAGame(7); });
//   if (runs.empty())
//       return;                           // this process is one of the runs
//   EXPECT_EQ(runs[0], runs[1]);
// Main thread only; the children inherit the environment (display, audio).
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

// In the test's own process: reruns the current test in count child
// processes and returns the traces they wrote, in order (a child that fails
// or writes nothing is a test failure, and its trace is left out). In such
// a child: writes trace() to the file its parent named and returns an empty
// list.
inline std::vector<std::string> tracesOfFreshRuns(int count, const std::function<std::string()>& trace)
{
    static const char* const TRACE_FILE = "KIV_TEST_TRACE_FILE";
    if (const char* path = std::getenv(TRACE_FILE)) {
        writeWholeFile(path, trace());
        return {};
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    TemporaryFolder folder("kiv-fresh-runs");
    std::vector<std::string> traces;
    for (int run = 0; run < count; ++run) {
        const std::string path = folder.path() + "/" + std::to_string(run);
        const pid_t child = fork();
        if (child == 0) {
            setenv(TRACE_FILE, path.c_str(), 1);
            execl("/proc/self/exe", "fresh-run", filter.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        const bool passed = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                            WEXITSTATUS(status) == 0;
        const std::string written = readWholeFile(path);
        if (!passed || written.empty())
            ADD_FAILURE() << "fresh run " << run << " did not pass or wrote no trace";
        else
            traces.push_back(written);
    }
    return traces;
}

} // namespace testsupport
