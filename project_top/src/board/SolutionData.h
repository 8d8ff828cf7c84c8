#pragma once
// SolutionData: one puzzle solution file loaded whole: records of
// width x height bytes, byte k the cell visited at step k (column in the high
// four bits, row in the low four). Nine sets are made at start-up and
// registered as resources ("solution3x3" ... "solution7x7") for the whole
// run; the puzzle mode draws its paths from them. Main thread only.
#include "KivBase.h"
#include "MemoryFile.h"

#include <cstdint>
#include <string>

class SolutionData : public KivBase {
public:
    // A missing file is fatal; trailing bytes that do not fill a record are
    // ignored. Logs how many records it holds.
    SolutionData(int width, int height, const std::string& fileName);
    ~SolutionData() override;
    SolutionData(const SolutionData&) = delete;
    SolutionData& operator=(const SolutionData&) = delete;

    // Byte index (0 .. recordSize - 1) of record (0 .. count - 1).
    uint8_t getByte(int record, int index) const;

    int32_t sizeX;
    int32_t sizeY;
    int32_t recordSize;
    int32_t count;
    MemoryFile file;
};
