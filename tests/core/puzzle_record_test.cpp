#include "core/puzzle_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/test_records.h"

namespace {

using ga::PuzzleRecord;
using ga::testing::Grid;
using ga::testing::gridFromText;

TEST(UnitTables, PositionsRunAlongRowsDownColumnsAndRowByRowInBoxes) {
    EXPECT_EQ(ga::kUnitCells[4][7], 43);       // row 4
    EXPECT_EQ(ga::kUnitCells[9 + 7][4], 43);   // column 7
    EXPECT_EQ(ga::kUnitCells[18 + 5][4], 43);  // box 5, middle
    EXPECT_EQ(ga::kUnitCells[18 + 5][2], 35);  // box 5, end of its first row
    EXPECT_EQ(ga::kUnitCells[18 + 5][3], 42);
    EXPECT_EQ(std::vector<int>(ga::kCellUnits[43], ga::kCellUnits[43] + 3),
              (std::vector<int>{4, 9 + 7, 18 + 5}));
}

TEST(PuzzleRecord, ResetLoadCluesAndCountOpenEmpty) {
    PuzzleRecord record, empty{};
    std::memset(&record, 0x5A, sizeof record);
    EXPECT_EQ(ga::resetRecord(record), 0);
    for (int32_t& flag : empty.openFlags) flag = 1;
    EXPECT_EQ(std::memcmp(&record, &empty, sizeof record), 0);
    EXPECT_EQ(ga::countOpenEmpty(record), 81);
    EXPECT_EQ(ga::hasDuplicate(record.valueGrid), 0);
    EXPECT_EQ(ga::isComplete(record.valueGrid), 1);

    record = ga::testing::puzzleFromText("5.......3" + std::string(72, '.'));
    EXPECT_EQ(ga::countOpenEmpty(record), 79);  // clues count even before loadClues
    record.answerGrid[1] = 7;                   // an open cell's answer must not be loaded
    record.valueGrid[2] = 4;                    // nor may a player's entry be touched
    record.valueGrid[8] = 9;                    // a clue's stale value is overwritten
    ga::loadClues(record);
    EXPECT_EQ(ga::testing::textOf(record.valueGrid).substr(0, 10), "5.4.....3.");
    EXPECT_EQ(ga::countOpenEmpty(record), 78);
}

Grid withValues(std::initializer_list<std::pair<int, int>> cellValues, Grid grid = {}) {
    for (auto [cell, value] : cellValues) grid[cell] = value;
    return grid;
}

TEST(GridRules, DuplicateAndCompleteness) {
    const Grid solved = gridFromText(ga::testing::kSolvedText);
    Grid latinSquare{};  // rows and columns fine, boxes not
    for (int cell = 0; cell < 81; ++cell) latinSquare[cell] = (cell / 9 + cell % 9) % 9 + 1;
    const struct {
        const char* name;
        Grid grid;
        int duplicate, incomplete;
    } cases[] = {
        {"solved", solved, 0, 0},
        {"allFives", gridFromText(std::string(81, '5')), 1, 0},
        // +1/-1 on a rectangle whose columns share a stack keeps every sum at 45.
        {"sumsKeptWithRepeats", withValues({{0, 8}, {1, 3}, {27, 9}, {28, 5}}, solved), 1, 0},
        {"latinSquare", latinSquare, 1, 1},
        {"oneCellEmpty", withValues({{40, 0}}, solved), 0, 1},
        {"empty", Grid{}, 0, 1},
        {"zerosIgnored", withValues({{0, 1}, {1, 2}, {80, 1}}), 0, 1},
        {"repeatInRowOnly", withValues({{0, 3}, {8, 3}}), 1, 1},
        {"repeatInColumnOnly", withValues({{0, 4}, {72, 4}}), 1, 1},
        {"repeatInBoxOnly", withValues({{0, 7}, {10, 7}}), 1, 1},
        {"nineRepeatedInLastBox", withValues({{60, 9}, {80, 9}}), 1, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ga::hasDuplicate(c.grid.data()), c.duplicate) << c.name;
        EXPECT_EQ(ga::isComplete(c.grid.data()), c.incomplete) << c.name;
        EXPECT_EQ(ga::isSolved(c.grid.data()), c.duplicate == 0 && c.incomplete == 0) << c.name;
    }
}

// Clues are read from answerGrid, loaded or not, open cells from valueGrid.
// Cell 20 is row 2, column 2, box 0; a letter is the player's entry, a digit a
// clue, loaded only in the checked cell, and '*' a clue 3 whose valueGrid holds
// a stale 7.
TEST(GridRules, HasConflict) {
    const struct {
        const char* name;
        std::vector<std::pair<int, char>> cells;
        int checked, conflict;
    } cases[] = {{"emptyCellNeverConflicts", {{18, 'f'}, {19, 'f'}}, 20, 0},
                 {"aloneInItsUnits", {{20, 'f'}}, 20, 0},
                 {"sameAsClueOfBoxNotLoaded", {{20, 'f'}, {0, '6'}}, 20, 1},
                 {"sameAsEntryInColumn", {{20, 'f'}, {74, 'f'}}, 20, 1},
                 {"sameAsEntryInRow", {{20, 'f'}, {26, 'f'}}, 20, 1},
                 {"staleClueValueIgnored", {{20, 'g'}, {24, '*'}}, 20, 0},
                 {"clueAnswerCounts", {{20, 'c'}, {24, '*'}}, 20, 1},
                 {"clueItselfChecked", {{0, '5'}, {4, 'e'}}, 0, 1},
                 {"otherUnitsDoNotCount", {{20, 'f'}, {30, 'f'}}, 20, 0}};
    for (const auto& c : cases) {
        std::string text(81, '.');
        for (auto [cell, mark] : c.cells) text[cell] = mark == '*' ? '3' : mark;
        PuzzleRecord record = ga::testing::puzzleFromText(text);
        record.valueGrid[c.checked] = gridFromText(text)[c.checked];
        for (auto [cell, mark] : c.cells) {
            if (mark == '*') record.valueGrid[cell] = 7;
        }
        EXPECT_EQ(ga::hasConflict(record, c.checked), c.conflict) << c.name;
    }
}

}  // namespace
