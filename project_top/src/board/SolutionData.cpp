#include "SolutionData.h"

#include "ErrorManager.h"
#include "Logger.h"

SolutionData::SolutionData(int width, int height, const std::string& fileName)
    : sizeX(width), sizeY(height), recordSize(width * height), count(0), file(fileName)
{
    // Four bits per coordinate.
    KIV_ASSERT(width > 0 && width <= 16 && height > 0 && height <= 16);
    count = static_cast<int32_t>(file.size / static_cast<uint32_t>(recordSize));
    kivLog("SolutionData", "%s: Loaded %d solutions (gridSize=%dx%d)", fileName.c_str(), count, sizeX, sizeY);
}

SolutionData::~SolutionData() = default;

uint8_t SolutionData::getByte(int record, int index) const
{
    KIV_ASSERT(record >= 0 && record < count && index >= 0 && index < recordSize);
    return file.data[record * recordSize + index];
}
