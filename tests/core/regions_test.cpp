#include "core/regions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"

namespace ga::testing {
namespace {

// The last request asks for far more Regions of four cells than an answer has:
// the search runs out of attempts short of the count, the bar still ends full.
TEST(SearchRegions, FindsDistinctSortedTrueRegions) {
    const struct {
        uint32_t seed;
        int level, count, maxCells;
    } requests[] = {{1, 2, 30, 16}, {3, 4, 15, 36}, {8, 0, 200, 4}};
    for (const auto& c : requests) {
        SCOPED_TRACE(c.seed);
        const Grid answer = randomAnswer(c.seed);
        PuzzleRecord record = puzzleWithAnswer(Grid{}, answer);
        // One spare row past the request: the search must not write into it.
        std::vector<int32_t> table((c.maxCells + 1) * (c.count + 1), 0);
        table.back() = -7;
        RecordingSink sink;
        const int found =
            searchRegions(record, table.data(), c.level, c.count, c.maxCells, sink.meter);
        ASSERT_TRUE(found >= 1 && found <= c.count) << found;
        EXPECT_EQ(record.answerGrid, answer);
        EXPECT_EQ(regionRowsProblem(table.data(), found, c.maxCells, answer), "");
        EXPECT_TRUE(std::all_of(table.begin() + found * (c.maxCells + 1), table.end() - 1,
                                [](int32_t entry) { return entry == 0; }));
        EXPECT_EQ(table.back(), -7);
        EXPECT_TRUE(std::is_sorted(sink.events.begin(), sink.events.end()));
        EXPECT_EQ(sink.events.back(), 100);
    }
}

TEST(WriteRegionsCsv, WritesTheAnswerAndTheRowsByteForByte) {
    ScratchDir dir;
    const std::string path = dir / "regions.csv";
    std::FILE* file = std::fopen(path.c_str(), "w");
    const std::vector<int32_t> rows = {0, 1, 9, 10, 4, 5, 6, 0, 0, 2};
    ASSERT_TRUE(writeRegionsCsv(file, gridFromText(kSolvedText), rows.data(), 2, 4));
    std::fclose(file);
    EXPECT_EQ(readFile(path),
              "9,2,3,5,6,4,8,1,7,\r\n6,8,4,2,1,7,5,3,9,\r\n1,5,7,3,9,8,4,2,6,\r\n"
              "8,6,1,4,3,9,2,7,5,\r\n4,7,5,6,2,1,9,8,3,\r\n2,3,9,7,8,5,6,4,1,\r\n"
              "5,9,2,8,7,3,1,6,4,\r\n3,4,6,1,5,2,7,9,8,\r\n7,1,8,9,4,6,3,5,2,\r\n"
              "\r\nrecord is 2\r\n0,1,9,10,4,\r\n5,6,0,0,2,\r\n");
}

TEST(RecordRegions, UnwritablePathOrRefusedRequestSearchesNothing) {
    ScratchDir dir;
    RecordingSink sink;
    const std::string missing = dir / "missing/regions.csv", path = dir / "regions.csv";
    EXPECT_EQ(recordRegions({missing.c_str(), 2, 5, 16}, sink.meter), kCsvOpenFailed);
    const struct {
        int level, count, maxCells;
        bool accepted;
    } cases[] = {{0, 1, 4, true},    {4, 2000, 36, true}, {2, 10, 81, true},   {2, -1, 16, false},
                 {2, 10, 82, false}, {2, 10, -1, false},  {-1, 10, 16, false}, {5, 10, 16, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(regionRequestProblem(c.level, c.count, c.maxCells) == nullptr, c.accepted)
            << c.level << " " << c.count << " " << c.maxCells;
        if (!c.accepted) {
            EXPECT_EQ(recordRegions({path.c_str(), c.level, c.count, c.maxCells}, sink.meter),
                      kRequestRefused);
        }
    }
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace ga::testing
