#include "core/puzzle_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/core/test_records.h"

namespace {

using ga::kCells;
using ga::PuzzleRecord;
using ga::testing::Grid;
using ga::testing::gridFromText;

const char* const kSolved =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

TEST(UnitTables, PositionsRunAsTheRecordLayoutSays) {
    for (int i = 0; i < 9; ++i) {
        for (int p = 0; p < 9; ++p) {
            EXPECT_EQ(ga::kUnitCells[i][p], i * 9 + p) << "row " << i;
            EXPECT_EQ(ga::kUnitCells[9 + i][p], p * 9 + i) << "column " << i;
            EXPECT_EQ(ga::kUnitCells[18 + i][p], (3 * (i / 3) + p / 3) * 9 + 3 * (i % 3) + p % 3)
                << "box " << i;
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(ga::kCellUnits[cell][0], ga::rowOf(cell));
        EXPECT_EQ(ga::kCellUnits[cell][1], 9 + ga::columnOf(cell));
        EXPECT_EQ(ga::kCellUnits[cell][2], 18 + ga::boxOf(cell));
    }
    EXPECT_EQ(ga::boxOf(80), 8);
    EXPECT_EQ(ga::boxOf(33), 5);  // row 3, column 6
}

TEST(PuzzleRecord, ResetGivesTheEmptyPuzzle) {
    PuzzleRecord record;
    std::memset(&record, 0x5A, sizeof record);
    EXPECT_EQ(ga::resetRecord(record), 0);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(record.answerGrid[cell], 0);
        EXPECT_EQ(record.openFlags[cell], 1);
        EXPECT_EQ(record.valueGrid[cell], 0);
        EXPECT_EQ(record.candidateNumbers[cell], 0);
    }
    for (uint32_t part : record.serial) EXPECT_EQ(part, 0u);
    EXPECT_EQ(record.answerKnown, 0);
    EXPECT_EQ(ga::countOpenEmpty(record), 81);
    EXPECT_EQ(ga::hasDuplicate(record.valueGrid), 0);
    EXPECT_EQ(ga::isComplete(record.valueGrid), 1);
}

TEST(PuzzleRecord, LoadCluesCopiesOnlyTheClues) {
    PuzzleRecord record = ga::testing::puzzleFromText("5.......3" + std::string(72, '.'));
    record.answerGrid[1] = 7;  // an open cell's answer must not be loaded
    record.valueGrid[2] = 4;   // nor may a player's entry be touched
    record.valueGrid[8] = 9;   // a clue's stale value is overwritten
    ga::loadClues(record);
    EXPECT_EQ(record.valueGrid[0], 5);
    EXPECT_EQ(record.valueGrid[1], 0);
    EXPECT_EQ(record.valueGrid[2], 4);
    EXPECT_EQ(record.valueGrid[8], 3);
}

TEST(PuzzleRecord, CountOpenEmptySkipsCluesAndEntries) {
    PuzzleRecord record = ga::testing::puzzleFromText("12" + std::string(79, '.'));
    EXPECT_EQ(ga::countOpenEmpty(record), 79);  // clues count even before loadClues
    record.valueGrid[5] = 6;
    EXPECT_EQ(ga::countOpenEmpty(record), 78);
    ga::loadClues(record);
    EXPECT_EQ(ga::countOpenEmpty(record), 78);
}

// --- hasDuplicate and isComplete -------------------------------------------

struct GridRuleCase {
    const char* name;
    Grid grid;
    int duplicate;
    int incomplete;
};

Grid withValues(std::initializer_list<std::pair<int, int>> cellValues) {
    Grid grid{};
    for (auto [cell, value] : cellValues) grid[cell] = value;
    return grid;
}

// Rows, columns and boxes each sum to 45, yet values repeat: +1/-1 moves on a
// rectangle whose two columns share a stack keep every sum.
Grid sumsKeptWithRepeats() {
    Grid grid = gridFromText(kSolved);
    grid[0] -= 1;   // row 0, column 0: 9 -> 8
    grid[1] += 1;   // row 0, column 1: 2 -> 3
    grid[27] += 1;  // row 3, column 0: 8 -> 9
    grid[28] -= 1;  // row 3, column 1: 6 -> 5
    return grid;
}

Grid cyclicLatinSquare() {
    Grid grid{};
    for (int cell = 0; cell < kCells; ++cell) grid[cell] = (cell / 9 + cell % 9) % 9 + 1;
    return grid;
}

class GridRules : public ::testing::TestWithParam<GridRuleCase> {};

TEST_P(GridRules, DuplicateAndCompleteness) {
    const GridRuleCase& c = GetParam();
    EXPECT_EQ(ga::hasDuplicate(c.grid.data()), c.duplicate);
    EXPECT_EQ(ga::isComplete(c.grid.data()), c.incomplete);
    EXPECT_EQ(ga::isSolved(c.grid.data()), c.duplicate == 0 && c.incomplete == 0);
}

Grid solvedMinusOne() {
    Grid grid = gridFromText(kSolved);
    grid[40] = 0;
    return grid;
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridRules,
    ::testing::Values(GridRuleCase{"solved", gridFromText(kSolved), 0, 0},
                      GridRuleCase{"allFives", gridFromText(std::string(81, '5')), 1, 0},
                      GridRuleCase{"sumsKeptWithRepeats", sumsKeptWithRepeats(), 1, 0},
                      GridRuleCase{"latinSquareBadBoxes", cyclicLatinSquare(), 1, 1},
                      GridRuleCase{"oneCellEmpty", solvedMinusOne(), 0, 1},
                      GridRuleCase{"empty", Grid{}, 0, 1},
                      GridRuleCase{"zerosIgnored", withValues({{0, 1}, {1, 2}, {80, 1}}), 0, 1},
                      GridRuleCase{"repeatInRowOnly", withValues({{0, 3}, {8, 3}}), 1, 1},
                      GridRuleCase{"repeatInColumnOnly", withValues({{0, 4}, {72, 4}}), 1, 1},
                      GridRuleCase{"repeatInBoxOnly", withValues({{0, 7}, {10, 7}}), 1, 1},
                      GridRuleCase{"repeatInLastBox", withValues({{60, 2}, {80, 2}}), 1, 1}),
    [](const ::testing::TestParamInfo<GridRuleCase>& info) {
        return std::string(info.param.name);
    });

// --- hasConflict ---------------------------------------------------------------

struct CellSetting {
    int cell;
    bool clue;
    int answer;
    int value;
};

struct ConflictCase {
    const char* name;
    std::vector<CellSetting> cells;
    int checkedCell;
    int conflict;
};

class Conflicts : public ::testing::TestWithParam<ConflictCase> {};

TEST_P(Conflicts, ReadsCluesFromTheAnswerAndOpenCellsFromTheValues) {
    PuzzleRecord record;
    ga::resetRecord(record);
    for (const CellSetting& setting : GetParam().cells) {
        record.openFlags[setting.cell] = setting.clue ? 0 : 1;
        record.answerGrid[setting.cell] = setting.answer;
        record.valueGrid[setting.cell] = setting.value;
    }
    EXPECT_EQ(ga::hasConflict(record, GetParam().checkedCell), GetParam().conflict);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Conflicts,
    ::testing::Values(
        // Cell 20 is row 2, column 2, box 0.
        ConflictCase{"emptyCellNeverConflicts", {{18, false, 0, 6}, {19, false, 0, 6}}, 20, 0},
        ConflictCase{"aloneInItsUnits", {{20, false, 0, 6}}, 20, 0},
        ConflictCase{"sameAsClueOfBoxNotLoaded", {{20, false, 0, 6}, {0, true, 6, 0}}, 20, 1},
        ConflictCase{"sameAsOpenCellsAnswerOnly", {{20, false, 0, 6}, {0, false, 6, 0}}, 20, 0},
        ConflictCase{"sameAsEntryInColumn", {{20, false, 0, 6}, {74, false, 0, 6}}, 20, 1},
        ConflictCase{"sameAsEntryInRow", {{20, false, 0, 6}, {26, false, 0, 6}}, 20, 1},
        ConflictCase{"staleClueValueIgnored", {{20, false, 0, 7}, {24, true, 3, 7}}, 20, 0},
        ConflictCase{"clueAnswerCounts", {{20, false, 0, 3}, {24, true, 3, 7}}, 20, 1},
        ConflictCase{"clueItselfChecked", {{0, true, 5, 5}, {4, false, 0, 5}}, 0, 1},
        ConflictCase{"otherUnitsDoNotCount", {{20, false, 0, 6}, {30, false, 0, 6}}, 20, 0}),
    [](const ::testing::TestParamInfo<ConflictCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
