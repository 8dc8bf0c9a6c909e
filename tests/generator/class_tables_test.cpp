#include "generator/class_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "tests/support/exact_solver.h"

namespace ga {
namespace {

TEST(ClassTables, EveryAnswerIsASolvedGrid) {
    for (int source = kFirstRegionSource; source <= kLastPatternSource; ++source) {
        ASSERT_NE(classAnswer(source), nullptr) << source;
        EXPECT_TRUE(isSolved(classAnswer(source))) << source;
    }
    EXPECT_EQ(0, std::memcmp(classAnswer(11), classAnswer(12), sizeof(int32_t) * kCells));
}

TEST(ClassTables, EveryPatternHasExactlyOneAnswer) {
    const int expectedClues[] = {24, 24, 22, 22};
    for (int source = kFirstPatternSource; source <= kLastPatternSource; ++source) {
        const PatternTable table = patternTable(source);
        int32_t clues[kCells];
        int clueCount = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            ASSERT_TRUE(table.openFlags[cell] == 0 || table.openFlags[cell] == 1);
            clues[cell] = table.openFlags[cell] == 0 ? table.answerGrid[cell] : 0;
            clueCount += table.openFlags[cell] == 0;
        }
        EXPECT_EQ(clueCount, expectedClues[source - kFirstPatternSource]) << source;
        EXPECT_EQ(testing::countAnswers(clues), 1) << source;
        int32_t answer[kCells];
        ASSERT_TRUE(testing::solveOne(clues, answer));
        EXPECT_EQ(0, std::memcmp(answer, table.answerGrid, sizeof answer)) << source;
    }
}

TEST(ClassTables, RegionRowsAreSortedDistinctWellFormedRows) {
    for (int source = kFirstRegionSource; source <= kLastRegionSource; ++source) {
        SCOPED_TRACE(::testing::Message() << "source " << source);
        const RegionTable table = regionTable(source);
        std::set<std::vector<int32_t>> distinct;
        int previousCount = 0;
        for (int row = 0; row < kRegionRowsPerTable; ++row) {
            const int32_t* entries = table.regions[row];
            const int count = entries[kRegionMaxCells];
            ASSERT_GE(count, 4) << row;
            ASSERT_LE(count, kRegionMaxCells) << row;
            ASSERT_NE(count, 5) << row;
            ASSERT_GE(count, previousCount) << row;
            previousCount = count;
            for (int k = 0; k < kRegionMaxCells; ++k) {
                if (k >= count) {
                    ASSERT_EQ(entries[k], 0) << row;
                } else {
                    ASSERT_GE(entries[k], k == 0 ? 0 : entries[k - 1] + 1) << row;
                    ASSERT_LT(entries[k], kCells) << row;
                }
            }
            distinct.emplace(entries, entries + kRegionRowWidth);
        }
        EXPECT_EQ(static_cast<int>(distinct.size()), kRegionRowsPerTable);
    }
}

// With every cell outside the Region given, the answer must have a rival.
TEST(ClassTables, EveryRegionRowIsATrueRegionOfItsAnswer) {
    for (int source = kFirstRegionSource; source <= kLastRegionSource; ++source) {
        const RegionTable table = regionTable(source);
        for (int row = 0; row < kRegionRowsPerTable; ++row) {
            int32_t grid[kCells];
            std::memcpy(grid, table.answerGrid, sizeof grid);
            const int32_t* entries = table.regions[row];
            for (int k = 0; k < entries[kRegionMaxCells]; ++k) grid[entries[k]] = 0;
            ASSERT_EQ(testing::countAnswers(grid), 2) << "source " << source << " row " << row;
        }
    }
}

}  // namespace
}  // namespace ga
