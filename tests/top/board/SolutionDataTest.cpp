// Puzzle solutions as the game reads and uses them: every stored path of the
// generated files covers its grid in every orientation a house may take,
// each orientation another path, and a house draws any path in any
// orientation as often as another; damaged records are skipped with a log
// line while the usable ones stay reachable by index; a file with no usable
// record stops the game only when a house asks it for a path.
#include "DrawnRange.h"
#include "GameHarness.h"

#include "board/Solution.h"
#include "board/SolutionData.h"

namespace boardtest {
namespace {

using namespace testsupport;

using Record = std::vector<uint8_t>;

// Cells of a 3 x 3 grid as stored: column in the high four bits, row in the low.
const struct RecordRow {
    const char* what;
    Record bytes;
    bool usable;
} RECORDS[] = {
    {"a path through every cell", {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x22}, true},
    {"a cell outside the grid", {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x23}, false},
    {"a cell twice", {0x00, 0x10, 0x20, 0x21, 0x11, 0x01, 0x02, 0x12, 0x02}, false},
    {"a diagonal step", {0x00, 0x10, 0x20, 0x21, 0x11, 0x02, 0x01, 0x12, 0x22}, false},
    {"a long step", {0x00, 0x20, 0x10, 0x11, 0x01, 0x02, 0x12, 0x22, 0x21}, false},
    {"another path", {0x22, 0x12, 0x02, 0x01, 0x11, 0x21, 0x20, 0x10, 0x00}, true},
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

std::string fileOf(const std::vector<Record>& records, size_t trailingBytes)
{
    std::string bytes;
    for (const Record& record : records)
        bytes.append(record.begin(), record.end());
    return bytes + std::string(trailingBytes, '\0');
}

// Drawn again and again on a fixed seed: a house takes any stored path of
// its size, up to the last, and a square one each of its eight mirrorings
// and turns an eighth of the time.
TEST(Solution, AHouseTakesAnyStoredPathInAnyOfItsOrientationsAsOftenAsAnother)
{
    constexpr int DRAWS = 1600;
    GameHarness::get();
    SolutionData* set = pKiv->pResourceManager->findAs<SolutionData>("solution5x5");
    GameHarness::seed(13);
    DrawnRange record;
    int orientations[8] = {};
    for (int draw = 0; draw < DRAWS; ++draw) {
        const Solution solution(set);
        record.add(solution.record);
        ++orientations[(solution.flipX ? 1 : 0) + (solution.flipY ? 2 : 0) + (solution.transpose ? 4 : 0)];
    }
    EXPECT_TRUE(spans(record, 0.0, set->count - 1.0)) << "the stored paths taken";
    for (int orientation = 0; orientation < 8; ++orientation)
        EXPECT_TRUE(countNear(orientations[orientation], DRAWS / 8.0))
            << "mirrored across " << (orientation & 1 ? "x " : "") << (orientation & 2 ? "y " : "")
            << (orientation & 4 ? "and turned" : "");
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
        for (int record = 0; record < set->count; ++record) {
            // Each way of mirroring and turning gives another path.
            std::set<Record> paths;
            for (int orientation = 0; orientation < (square ? 8 : 4); ++orientation) {
                solution.record = record;
                solution.flipX = orientation & 1;
                solution.flipY = orientation & 2;
                solution.transpose = orientation & 4;
                paths.insert(cellsOf(solution));
                EXPECT_EQ(SolutionData::checkRecord(cellsOf(solution).data(), width, height), "")
                    << width << "x" << height << " record " << record << " orientation " << orientation;
                for (int step = 0, dx, dy; step < solution.cellCount; ++step) {
                    solution.getMove(step, &dx, &dy);
                    EXPECT_EQ(std::abs(dx) + std::abs(dy), step == 0 ? 0 : 1) << "record " << record << " step " << step;
                }
            }
            EXPECT_EQ(paths.size(), square ? 8u : 4u) << width << "x" << height << " record " << record;
        }
    }
}

TEST(SolutionData, SkipsDamagedRecordsWithALogLineKeepsTheUsableOnesByIndexAndNeedsOne)
{
    GameHarness& game = GameHarness::get();
    const TemporaryFolder folder("kiv-solutions");
    const std::string name = folder.path() + "/solution-damaged.dat";
    std::vector<Record> records;
    for (const RecordRow& row : RECORDS)
        records.push_back(row.bytes);
    // A short record at the end.
    writeWholeFile(name, fileOf(records, 4));

    // The game reads its data from its archive; these damaged files lie loose
    // in a temporary folder and are read the way the engine reads a folder
    // without an archive, logging into the game's log.
    FileManager* const archive = pKiv->pFileManager;
    FileManager loose;
    pKiv->pFileManager = &loose;
    const SolutionData set(3, 3, name);

    const std::string log = readWholeFile(game.dataFolder + "/Glimmerdaledemo.log");
    Record usable, kept;
    for (size_t i = 0; i < std::size(RECORDS); ++i) {
        const RecordRow& row = RECORDS[i];
        const bool skipped = log.find(name + ": record " + std::to_string(i) + " skipped: ") != std::string::npos;
        EXPECT_EQ(skipped, !row.usable) << row.what;
        EXPECT_EQ(SolutionData::checkRecord(row.bytes.data(), 3, 3).empty(), row.usable) << row.what;
        if (row.usable)
            usable.insert(usable.end(), row.bytes.begin(), row.bytes.end());
    }
    EXPECT_NE(log.find(name + ": 4 trailing bytes ignored."), std::string::npos);
    EXPECT_NE(log.find("SolutionData(): " + name + ": Loaded 2 solutions (gridSize=3x3)"), std::string::npos);
    for (int record = 0; record < set.count; ++record)
        for (int step = 0; step < set.recordSize; ++step)
            kept.push_back(set.getByte(record, step));
    EXPECT_EQ(kept, usable) << "the usable records, by index";

    // A file without a usable record stops the game only when a house asks
    // it for a path; the child reports without the game's engine, which
    // would move the game's log aside as a crash log.
    writeWholeFile(name, fileOf({RECORDS[1].bytes, RECORDS[3].bytes}, 0));
    SolutionData broken(3, 3, name);
    pKiv->pFileManager = archive;
    EXPECT_EQ(broken.count, 0);
    EXPECT_EXIT(
        {
            pKiv = nullptr;
            const Solution solution(&broken);
        },
        ::testing::ExitedWithCode(255), "solution-damaged.dat holds no usable solution\\.");
}

}
}
