#pragma once
// How a failure shows the first pair of lines that differ (a record's and
// a run's): one above the other under their labels, a caret under the
// first column where they part. A record's line runs to hundreds of
// characters, so each shows at most WIDTH of them, each cut marked "...":
// from the start when the column lies well inside them, else from CONTEXT
// characters before the column, so the difference is in view however far
// along the line it lies. The lines that follow the pair are cut to WIDTH.
#include <algorithm>
#include <string>

namespace testsupport {

// Characters of a line shown.
constexpr size_t FIRST_DIFFERENCE_WIDTH = 160;
// Characters shown at least on either side of the first differing column.
constexpr size_t FIRST_DIFFERENCE_CONTEXT = 40;

// Three lines, each indented by two spaces and ending in a newline: the
// labels are padded to one width.
inline std::string markFirstDifference(const std::string& expectedLabel, const std::string& expected,
                                       const std::string& gotLabel, const std::string& got)
{
    size_t column = 0;
    while (column < expected.size() && column < got.size() && expected[column] == got[column])
        ++column;
    const size_t from =
        column + FIRST_DIFFERENCE_CONTEXT > FIRST_DIFFERENCE_WIDTH ? column - FIRST_DIFFERENCE_CONTEXT : 0;
    const std::string cut = "...";
    const auto shown = [&](const std::string& line) {
        const std::string part = (from > 0 ? cut : "") + line.substr(from, FIRST_DIFFERENCE_WIDTH);
        return line.size() > from + FIRST_DIFFERENCE_WIDTH ? part + cut : part;
    };
    const size_t labelWidth = std::max(expectedLabel.size(), gotLabel.size());
    const auto labelled = [&](const std::string& label) {
        return "  " + label + std::string(labelWidth - label.size() + 1, ' ');
    };
    const size_t caret = labelWidth + 3 + (from > 0 ? cut.size() : 0) + column - from;
    return labelled(expectedLabel) + shown(expected) + "\n" + labelled(gotLabel) + shown(got) + "\n" +
           std::string(caret, ' ') + "^ column " + std::to_string(column + 1) + "\n";
}

// A line shown beside the marked pair, cut to the same width.
inline std::string cutToTheShownWidth(const std::string& line)
{
    return line.size() > FIRST_DIFFERENCE_WIDTH ? line.substr(0, FIRST_DIFFERENCE_WIDTH) + "..." : line;
}

} // namespace testsupport
