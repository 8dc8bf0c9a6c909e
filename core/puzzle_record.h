// The puzzle record and the rules of the grid.
//
// Cells are numbered row by row: index = row * 9 + column, rows and columns
// 0..8 from the top left. A unit is one of the 27 nine-cell groups: rows 0..8,
// then columns 0..8, then boxes 0..8 (box of a cell = 3 * (row / 3) + column / 3).
// Within a unit, positions 0..8 run left to right (row), top to bottom (column),
// or row by row (box).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace ga {

constexpr int kCells = 81;
constexpr int kUnits = 27;
constexpr int kSerialParts = 5;

// One value per cell, in cell order.
using Grid = std::array<int32_t, kCells>;
// The five parts of a serial number.
using SerialParts = std::array<uint32_t, kSerialParts>;

// One puzzle as 330 signed 32-bit integers; the layout is also the body of the
// puzzle file, so neither order nor size may change.
//
//   offset (int32)   field
//     0 ..  80       answerGrid        the answer; at clues always the clue value
//    81 .. 161       openFlags         1 = open cell, 0 = clue
//   162 .. 242       valueGrid         current value of every cell, 0 = empty
//   243 .. 323       candidateNumbers  candidates as decimal digits ("147")
//   324 .. 328       serial            the five serial-number parts
//   329              answerKnown       1 when answerGrid is the complete answer
struct PuzzleRecord {
    Grid answerGrid;
    Grid openFlags;
    Grid valueGrid;
    Grid candidateNumbers;
    SerialParts serial;
    int32_t answerKnown;
};
static_assert(sizeof(Grid) == kCells * 4, "a Grid is 81 int32 with no padding");
static_assert(sizeof(SerialParts) == kSerialParts * 4, "serial is 5 uint32 with no padding");
static_assert(std::is_standard_layout_v<PuzzleRecord> && std::is_trivially_copyable_v<PuzzleRecord>,
              "PuzzleRecord is plain data");
static_assert(sizeof(PuzzleRecord) == 330 * 4, "PuzzleRecord must be 330 int32");
static_assert(offsetof(PuzzleRecord, answerGrid) == 0 * 4, "answerGrid at int32 0");
static_assert(offsetof(PuzzleRecord, openFlags) == 81 * 4, "openFlags at int32 81");
static_assert(offsetof(PuzzleRecord, valueGrid) == 162 * 4, "valueGrid at int32 162");
static_assert(offsetof(PuzzleRecord, candidateNumbers) == 243 * 4, "candidateNumbers at int32 243");
static_assert(offsetof(PuzzleRecord, serial) == 324 * 4, "serial at int32 324");
static_assert(offsetof(PuzzleRecord, answerKnown) == 329 * 4, "answerKnown at int32 329");

// Every field the same.
inline bool operator==(const PuzzleRecord& a, const PuzzleRecord& b) {
    return a.answerGrid == b.answerGrid && a.openFlags == b.openFlags &&
           a.valueGrid == b.valueGrid && a.candidateNumbers == b.candidateNumbers &&
           a.serial == b.serial && a.answerKnown == b.answerKnown;
}
inline bool operator!=(const PuzzleRecord& a, const PuzzleRecord& b) {
    return !(a == b);
}

constexpr int rowOf(int cell) {
    return cell / 9;
}
constexpr int columnOf(int cell) {
    return cell % 9;
}
constexpr int boxOf(int cell) {
    return 3 * (cell / 27) + (cell % 9) / 3;
}

struct UnitTables {
    uint8_t unitCells[kUnits][9];  // the cells of each unit, by position
    uint8_t cellUnits[kCells][3];  // row unit, column unit (9 + c), box unit (18 + b)
};

constexpr UnitTables makeUnitTables() {
    UnitTables t{};
    for (int i = 0; i < 9; i++) {
        for (int p = 0; p < 9; p++) {
            t.unitCells[i][p] = static_cast<uint8_t>(i * 9 + p);
            t.unitCells[9 + i][p] = static_cast<uint8_t>(p * 9 + i);
            int boxRow = 3 * (i / 3) + p / 3, boxColumn = 3 * (i % 3) + p % 3;
            t.unitCells[18 + i][p] = static_cast<uint8_t>(boxRow * 9 + boxColumn);
        }
    }
    for (int cell = 0; cell < kCells; cell++) {
        t.cellUnits[cell][0] = static_cast<uint8_t>(rowOf(cell));
        t.cellUnits[cell][1] = static_cast<uint8_t>(9 + columnOf(cell));
        t.cellUnits[cell][2] = static_cast<uint8_t>(18 + boxOf(cell));
    }
    return t;
}

inline constexpr UnitTables kUnitTables = makeUnitTables();
inline constexpr const auto& kUnitCells = kUnitTables.unitCells;
inline constexpr const auto& kCellUnits = kUnitTables.cellUnits;

// Clears the record to the empty puzzle: every cell open and empty.
void resetRecord(PuzzleRecord& record);

// Copies each clue's answer value into valueGrid; open cells keep their values.
void loadClues(PuzzleRecord& record);

// The value a cell shows: a clue's from answerGrid, an open cell's from valueGrid.
inline int32_t shownValue(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] == 0 ? record.answerGrid[cell] : record.valueGrid[cell];
}

// True if the cell's value occurs elsewhere in its row, column or box (clues
// read from answerGrid, open cells from valueGrid).
bool hasConflict(const PuzzleRecord& record, int cell);

// True if a row, a column or a box holds a non-zero value twice.
bool hasDuplicate(const Grid& grid);

// True if every row, column and box sums to 45.
bool isComplete(const Grid& grid);

// Number of open cells whose valueGrid is 0.
int countOpenEmpty(const PuzzleRecord& record);

// A solved grid: no duplicate and complete.
inline bool isSolved(const Grid& grid) {
    return !hasDuplicate(grid) && isComplete(grid);
}

}  // namespace ga
