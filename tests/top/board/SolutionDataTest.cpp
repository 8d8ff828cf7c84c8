// Puzzle solutions as the game reads and uses them: every stored path of the
// generated files covers its grid in every orientation a house may take;
// damaged records are skipped with a log line while the usable ones stay
// reachable by index; a file with no usable record stops the game only when
// a house asks it for a path.
#include "GameHarness.h"

#include "FileManager.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Solution.h"
#include "SolutionData.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace boardtest {
namespace {

using namespace testsupport;

// The game reads its data from its archive; these damaged files lie loose in
// a temporary folder, so while this object lives they are read the way the
// engine reads a folder without an archive, logging into the game's log.
class LooseDataFiles {
public:
    LooseDataFiles() : pKept(pKiv->pFileManager) { pKiv->pFileManager = &loose; }
    ~LooseDataFiles() { pKiv->pFileManager = pKept; }
    LooseDataFiles(const LooseDataFiles&) = delete;
    LooseDataFiles& operator=(const LooseDataFiles&) = delete;

private:
    FileManager loose;
    FileManager* pKept;
};

using Record = std::vector<uint8_t>;

// Cells of a 3 x 3 grid as stored: column in the high four bits, row in the low.
const Record SNAKE = {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x22};
const Record SNAKE_BACKWARDS = {0x22, 0x12, 0x02, 0x01, 0x11, 0x21, 0x20, 0x10, 0x00};

const struct RecordRow {
    const char* what;
    Record bytes;
    bool usable;
} RECORDS[] = {
    {"a path through every cell", SNAKE, true},
    {"a cell outside the grid", {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x23}, false},
    {"a cell twice", {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x02}, false},
    {"a diagonal step", {0x00, 0x10, 0x20, 0x21, 0x11, 0x02, 0x01, 0x12, 0x22}, false},
    {"a long step", {0x00, 0x20, 0x10, 0x11, 0x01, 0x02, 0x12, 0x22, 0x21}, false},
    {"another path", SNAKE_BACKWARDS, true},
};

// The path a solution gives, stored the way its file stores one.
Record cellsOf(const Solution& solution)
{
    Record cells;
    for (int step = 0; step < solution.cellCount; ++step) {
        int x, y;
        solution.getCell(step, &x, &y);
        cells.push_back(static_cast<uint8_t>(x << 4 | y));
    }
    return cells;
}

// Row by row, every other row backwards: a path from (0, 0).
Record snake(int width, int height)
{
    Record cells;
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width; ++i)
            cells.push_back(static_cast<uint8_t>((y % 2 ? width - 1 - i : i) << 4 | y));
    return cells;
}

std::string fileOf(const std::vector<Record>& records, size_t trailingBytes)
{
    std::string bytes;
    for (const Record& record : records)
        bytes.append(record.begin(), record.end());
    return bytes + std::string(trailingBytes, '\0');
}

TEST(Solution, EveryStoredPathCoversItsGridByNeighbourStepsInEveryOrientation)
{
    GameHarness::get();
    const std::pair<int, int> sizes[] = {{3, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 5}, {5, 6}, {6, 6}, {6, 7}, {7, 7}};
    for (const auto& [width, height] : sizes) {
        SolutionData* set = pKiv->pResourceManager->findAs<SolutionData>(formatString("solution%dx%d", width, height));
        // The data generator writes usable records only.
        EXPECT_EQ(set->file.size, static_cast<uint32_t>(set->count * set->recordSize)) << width << "x" << height;
        const bool square = width == height;
        for (int draw = 0; draw < 20; ++draw)
            EXPECT_TRUE(square || !Solution(set).transpose) << width << "x" << height << " turned";
        Solution solution(set);
        for (int record = 0; record < set->count; ++record)
            for (int orientation = 0; orientation < (square ? 8 : 4); ++orientation) {
                solution.record = record;
                solution.flipX = orientation & 1;
                solution.flipY = orientation & 2;
                solution.transpose = orientation & 4;
                EXPECT_EQ(SolutionData::checkRecord(cellsOf(solution).data(), width, height), "")
                    << width << "x" << height << " record " << record << " orientation " << orientation;
                for (int step = 0, dx, dy; step < solution.cellCount; ++step) {
                    solution.getMove(step, &dx, &dy);
                    EXPECT_EQ(std::abs(dx) + std::abs(dy), step == 0 ? 0 : 1) << "record " << record << " step " << step;
                }
            }
    }
}

TEST(Solution, MirrorsAndTurnsTheStoredPath)
{
    GameHarness::get();
    const TemporaryFolder folder("kiv-solutions");
    const struct {
        int width, height;
        Record record;
        bool flipX, flipY, transpose;
        std::pair<int, int> firstCell;
    } rows[] = {
        {4, 5, snake(4, 5), true, false, false, {3, 0}},
        {4, 5, snake(4, 5), false, true, false, {0, 4}},
        {4, 4, {0x12, 0x02, 0x03, 0x13, 0x23, 0x33, 0x32, 0x22, 0x21, 0x31, 0x30, 0x20, 0x10, 0x00, 0x01, 0x11}, false,
         false, true, {2, 1}},
    };
    const LooseDataFiles loose;
    for (const auto& row : rows) {
        const std::string name = folder.path() + formatString("/solution-%dx%d.dat", row.width, row.height);
        writeWholeFile(name, fileOf({row.record}, 0));
        SolutionData set(row.width, row.height, name);
        Solution solution(&set);
        solution.flipX = row.flipX;
        solution.flipY = row.flipY;
        solution.transpose = row.transpose;
        int x, y;
        solution.getCell(0, &x, &y);
        EXPECT_EQ(std::make_pair(x, y), row.firstCell)
            << row.width << "x" << row.height << " flips " << row.flipX << row.flipY << " turned " << row.transpose;
    }
}

TEST(SolutionData, SkipsDamagedRecordsWithALogLineAndKeepsTheUsableOnesByIndex)
{
    GameHarness& game = GameHarness::get();
    const TemporaryFolder folder("kiv-solutions");
    const std::string name = folder.path() + "/solution-damaged.dat";
    std::vector<Record> records;
    for (const RecordRow& row : RECORDS)
        records.push_back(row.bytes);
    // A short record at the end.
    writeWholeFile(name, fileOf(records, 4));

    const LooseDataFiles loose;
    const SolutionData set(3, 3, name);

    const std::string log = readWholeFile(game.dataFolder + "/Glimmerdaledemo.log");
    std::vector<const Record*> usable;
    for (size_t i = 0; i < std::size(RECORDS); ++i) {
        const RecordRow& row = RECORDS[i];
        const bool skipped = log.find(name + ": record " + std::to_string(i) + " skipped: ") != std::string::npos;
        EXPECT_EQ(skipped, !row.usable) << row.what;
        EXPECT_EQ(SolutionData::checkRecord(row.bytes.data(), 3, 3).empty(), row.usable) << row.what;
        if (row.usable)
            usable.push_back(&row.bytes);
    }
    EXPECT_NE(log.find(name + ": 4 trailing bytes ignored."), std::string::npos);
    EXPECT_NE(log.find("SolutionData(): " + name + ": Loaded 2 solutions (gridSize=3x3)"), std::string::npos);

    ASSERT_EQ(set.count, static_cast<int32_t>(usable.size()));
    for (int record = 0; record < set.count; ++record)
        for (int step = 0; step < set.recordSize; ++step)
            EXPECT_EQ(set.getByte(record, step), (*usable[static_cast<size_t>(record)])[static_cast<size_t>(step)])
                << "usable record " << record << ", step " << step;
}

TEST(SolutionData, AFileWithoutAUsablePathIsFatalOnlyWhenAHouseAsksForOne)
{
    GameHarness::get();
    const TemporaryFolder folder("kiv-solutions");
    const std::string name = folder.path() + "/solution-broken.dat";
    writeWholeFile(name, fileOf({RECORDS[1].bytes, RECORDS[3].bytes}, 0));
    const LooseDataFiles loose;
    SolutionData set(3, 3, name);
    EXPECT_EQ(set.count, 0);

    // The child reports without the game's engine, which would move the
    // game's log aside as a crash log.
    EXPECT_EXIT(
        {
            pKiv = nullptr;
            const Solution solution(&set);
        },
        ::testing::ExitedWithCode(255), "solution-broken.dat holds no usable solution\\.");
}

}
}
