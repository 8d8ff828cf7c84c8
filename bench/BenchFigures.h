#pragma once
// What the benchmark programs share beyond Google Benchmark: the CPU time of
// the calling thread (on a machine shared with other work it counts neither
// the time other processes take nor the time spent waiting), and a line for
// each figure that has a goal, saying plainly whether the goal was met.
//
// Google Benchmark may run a benchmark function several times while it
// settles on an iteration count and reports the last run only; a goal set
// again replaces its figure, and every goal line is printed once, when the
// program ends, after the benchmark table. Main thread only.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace benchfigures {

// CPU seconds the calling thread has used so far.
inline double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class GoalLines {
public:
    static GoalLines& instance()
    {
        static GoalLines lines;
        return lines;
    }
    // The figure of what, against a goal of at most limit (both in unit);
    // detail, when given, says what the figure was made of.
    void set(const std::string& what, double figure, double limit, const std::string& unit, const std::string& detail)
    {
        const Line set{what, figure, limit, unit, detail};
        for (Line& line : lines)
            if (line.what == what) {
                line = set;
                return;
            }
        lines.push_back(set);
    }
    ~GoalLines()
    {
        for (const Line& line : lines)
            std::printf("goal %s: %.3g %s (goal: at most %.3g %s%s%s): %s\n", line.what.c_str(), line.figure,
                        line.unit.c_str(), line.limit, line.unit.c_str(), line.detail.empty() ? "" : "; ",
                        line.detail.c_str(), line.figure <= line.limit ? "met" : "MISSED");
    }

private:
    struct Line {
        std::string what;
        double figure;
        double limit;
        std::string unit;
        std::string detail;
    };
    GoalLines() = default;
    std::vector<Line> lines;
};

inline void reportGoal(const std::string& what, double figure, double limit, const std::string& unit,
                       const std::string& detail = std::string())
{
    GoalLines::instance().set(what, figure, limit, unit, detail);
}

// printf for the detail of a goal line.
template <typename... Values>
std::string format(const char* format, Values... values)
{
    char text[256];
    std::snprintf(text, sizeof(text), format, values...);
    return text;
}

} // namespace benchfigures
