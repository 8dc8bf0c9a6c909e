#include "core/puzzle_record.h"

#include "core/bits.h"

namespace ga {

namespace {

// Values outside 1..9 never stand in a valid record; giving them no bit keeps a
// damaged grid from shifting past a mask.
inline uint32_t valueBitOrZero(int32_t value) {
    return (value >= 1 && value <= 9) ? bitOfValue(value) : 0;
}

}  // namespace

void resetRecord(PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        record.answerGrid[cell] = 0;
        record.openFlags[cell] = 1;
        record.valueGrid[cell] = 0;
        record.candidateNumbers[cell] = 0;
    }
    for (uint32_t& part : record.serial) part = 0;
    record.answerKnown = 0;
}

void loadClues(PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 0) record.valueGrid[cell] = record.answerGrid[cell];
    }
}

bool hasConflict(const PuzzleRecord& record, int cell) {
    int32_t value = record.valueGrid[cell];
    if (value == 0) return false;
    for (int unit : kCellUnits[cell]) {
        for (int other : kUnitCells[unit]) {
            if (other == cell) continue;
            if (shownValue(record, other) == value) return true;
        }
    }
    return false;
}

bool hasDuplicate(const Grid& grid) {
    // One pass over the cells, each value checked against what its row, its
    // column and its box have shown so far: a repeat anywhere is found, and
    // which unit shows it first does not matter to the answer.
    uint32_t seen[kUnits] = {};
    for (int cell = 0; cell < kCells; cell++) {
        uint32_t bit = valueBitOrZero(grid[cell]);
        if (bit == 0) continue;
        const uint8_t* units = kCellUnits[cell];
        if ((seen[units[0]] | seen[units[1]] | seen[units[2]]) & bit) return true;
        seen[units[0]] |= bit;
        seen[units[1]] |= bit;
        seen[units[2]] |= bit;
    }
    return false;
}

bool isComplete(const Grid& grid) {
    for (const auto& unit : kUnitCells) {
        int64_t sum = 0;
        for (int cell : unit) sum += grid[cell];
        if (sum != 45) return false;
    }
    return true;
}

int countOpenEmpty(const PuzzleRecord& record) {
    int count = 0;
    for (int cell = 0; cell < kCells; cell++) {
        count += (record.openFlags[cell] == 1 && record.valueGrid[cell] == 0);
    }
    return count;
}

}  // namespace ga
