#include "board/SolutionData.h"

#include "ErrorManager.h"
#include "Logger.h"

#include <cstdlib>

SolutionData::SolutionData(int width, int height, const std::string& name)
    : sizeX(width), sizeY(height), recordSize(width * height), count(0), file(name), fileName(name)
{
    // Four bits per coordinate.
    KIV_ASSERT(width > 0 && width <= 16 && height > 0 && height <= 16);
    const uint32_t records = file.size / static_cast<uint32_t>(recordSize);
    for (uint32_t record = 0; record < records; ++record) {
        const std::string problem = checkRecord(file.data + record * static_cast<uint32_t>(recordSize), width, height);
        if (problem.empty())
            usableRecords.push_back(static_cast<int32_t>(record));
        else
            kivLog("SolutionData", "%s: record %u skipped: %s.", name.c_str(), record, problem.c_str());
    }
    const uint32_t trailing = file.size % static_cast<uint32_t>(recordSize);
    if (trailing != 0)
        kivLog("SolutionData", "%s: %u trailing bytes ignored.", name.c_str(), trailing);
    count = static_cast<int32_t>(usableRecords.size());
    kivLog("SolutionData", "%s: Loaded %d solutions (gridSize=%dx%d)", name.c_str(), count, sizeX, sizeY);
}

SolutionData::~SolutionData() = default;

std::string SolutionData::checkRecord(const uint8_t* record, int width, int height)
{
    std::vector<bool> visited(static_cast<size_t>(width * height), false);
    for (int step = 0; step < width * height; ++step) {
        const int x = record[step] >> 4, y = record[step] & 0x0F;
        if (x >= width || y >= height)
            return formatString("step %d goes to (%d,%d), outside the grid", step, x, y);
        if (visited[static_cast<size_t>(x + y * width)])
            return formatString("step %d goes to (%d,%d) a second time", step, x, y);
        visited[static_cast<size_t>(x + y * width)] = true;
        if (step > 0) {
            const int fromX = record[step - 1] >> 4, fromY = record[step - 1] & 0x0F;
            if (std::abs(x - fromX) + std::abs(y - fromY) != 1)
                return formatString("step %d jumps from (%d,%d) to (%d,%d)", step, fromX, fromY, x, y);
        }
    }
    return std::string();
}

uint8_t SolutionData::getByte(int record, int index) const
{
    KIV_ASSERT(record >= 0 && record < count && index >= 0 && index < recordSize);
    return file.data[usableRecords[static_cast<size_t>(record)] * recordSize + index];
}
