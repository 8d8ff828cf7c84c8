#pragma once
// SolutionData: one puzzle solution file loaded whole: records of
// width x height bytes, byte k the cell visited at step k (column in the high
// four bits, row in the low four). Only records that are a path through
// every cell by steps to a 4-neighbour are kept usable; the others are
// skipped with a log line when the file is read, so a damaged file can never
// give an unsolvable house. Nine sets are made at start-up and registered as
// resources ("solution3x3" ... "solution7x7") for the whole run; the puzzle
// mode draws its paths from them. Main thread only.
#include "KivBase.h"
#include "MemoryFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class SolutionData : public KivBase {
public:
    // A missing file is fatal; trailing bytes that do not fill a record are
    // ignored. Logs every skipped record and how many usable ones it holds.
    SolutionData(int width, int height, const std::string& fileName);
    ~SolutionData() override;
    SolutionData(const SolutionData&) = delete;
    SolutionData& operator=(const SolutionData&) = delete;

    // Why the width * height bytes at record (width, height 1..16) are not a
    // path through every cell of the grid, each step to a 4-neighbour; empty
    // when they are one. Reads exactly width * height bytes; any byte values.
    static std::string checkRecord(const uint8_t* record, int width, int height);

    // Byte index (0 .. recordSize - 1) of usable record (0 .. count - 1).
    uint8_t getByte(int record, int index) const;

    int32_t sizeX;
    int32_t sizeY;
    int32_t recordSize;
    // Usable records.
    int32_t count;
    MemoryFile file;
    const std::string fileName;
    // Record number in the file of each usable record, in file order.
    std::vector<int32_t> usableRecords;
};
