#include "board/Solution.h"

#include "ErrorManager.h"
#include "board/SolutionData.h"
#include "rules/StandardRandom.h"

#include <utility>

Solution::Solution(SolutionData* set) : data(set)
{
    // Checked here rather than at start-up: a size that is never played may
    // ship without a usable record.
    if (set->count == 0)
        KIV_ERROR("%s holds no usable solution.", set->fileName.c_str());
    cellCount = set->recordSize;
    RandomSource& random = StandardRandom::shared();
    record = random.below(set->count);
    flipX = random.heads();
    flipY = random.heads();
    transpose = set->sizeX == set->sizeY && random.heads();
}

void Solution::getCell(int step, int* x, int* y) const
{
    const uint8_t cell = data->getByte(record, step);
    int cellX = cell >> 4;
    int cellY = cell & 0x0F;
    if (flipX)
        cellX = data->sizeX - 1 - cellX;
    if (flipY)
        cellY = data->sizeY - 1 - cellY;
    if (transpose)
        std::swap(cellX, cellY);
    *x = cellX;
    *y = cellY;
}

void Solution::getMove(int step, int* dx, int* dy) const
{
    if (step == 0) {
        *dx = 0;
        *dy = 0;
        return;
    }
    int fromX, fromY, toX, toY;
    getCell(step - 1, &fromX, &fromY);
    getCell(step, &toX, &toY);
    *dx = toX - fromX;
    *dy = toY - fromY;
}
