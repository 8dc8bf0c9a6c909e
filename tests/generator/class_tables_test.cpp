#include "generator/class_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "tests/support/exact_solver.h"

namespace ga {
namespace {

TEST(ClassTables, EveryPatternHasExactlyItsAnswer) {
    EXPECT_EQ(0, std::memcmp(classAnswer(11), classAnswer(12), sizeof(int32_t) * kCells));
    const int expectedClues[] = {24, 24, 22, 22};
    for (int source = kFirstPatternSource; source <= kLastPatternSource; ++source) {
        const PatternTable table = patternTable(source);
        ASSERT_EQ(0, std::memcmp(table.answerGrid, classAnswer(source), sizeof(int32_t) * kCells));
        int32_t clues[kCells], answer[kCells];
        int clueCount = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            ASSERT_TRUE(table.openFlags[cell] == 0 || table.openFlags[cell] == 1);
            clues[cell] = table.openFlags[cell] == 0 ? table.answerGrid[cell] : 0;
            clueCount += table.openFlags[cell] == 0;
        }
        EXPECT_EQ(clueCount, expectedClues[source - kFirstPatternSource]) << source;
        EXPECT_EQ(testing::countAnswers(clues), 1) << source;
        ASSERT_TRUE(testing::solveOne(clues, answer));
        EXPECT_EQ(0, std::memcmp(answer, table.answerGrid, sizeof answer)) << source;
    }
}

// Rows of 4 to 16 cells (a Region never has 5), in non-decreasing order of
// count, distinct, each a true Region of its table's answer: with every other
// cell given, the answer has a rival.
TEST(ClassTables, RegionRowsAreSortedDistinctTrueRegions) {
    for (int source = kFirstRegionSource; source <= kLastRegionSource; ++source) {
        SCOPED_TRACE(::testing::Message() << "source " << source);
        const RegionTable table = regionTable(source);
        ASSERT_EQ(0, std::memcmp(table.answerGrid, classAnswer(source), sizeof(int32_t) * kCells));
        ASSERT_TRUE(isSolved(table.answerGrid));
        std::set<std::vector<int32_t>> distinct;
        for (int row = 0; row < kRegionRowsPerTable; ++row) {
            const int32_t* entries = table.regions[row];
            const int count = entries[kRegionMaxCells];
            ASSERT_TRUE(count >= 4 && count <= kRegionMaxCells && count != 5) << row;
            ASSERT_TRUE(row == 0 || table.regions[row - 1][kRegionMaxCells] <= count) << row;
            int32_t grid[kCells];
            std::memcpy(grid, table.answerGrid, sizeof grid);
            for (int k = 0; k < kRegionMaxCells; ++k) {
                if (k >= count) {
                    ASSERT_EQ(entries[k], 0) << row;
                    continue;
                }
                ASSERT_TRUE(entries[k] < kCells &&
                            (k == 0 ? entries[k] >= 0 : entries[k] > entries[k - 1]))
                    << row;
                grid[entries[k]] = 0;
            }
            ASSERT_EQ(testing::countAnswers(grid), 2) << row;
            distinct.emplace(entries, entries + kRegionRowWidth);
        }
        EXPECT_EQ(static_cast<int>(distinct.size()), kRegionRowsPerTable);
    }
}

}  // namespace
}  // namespace ga
