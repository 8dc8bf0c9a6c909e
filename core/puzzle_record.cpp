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

int resetRecord(PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        record.answerGrid[cell] = 0;
        record.openFlags[cell] = 1;
        record.valueGrid[cell] = 0;
        record.candidateNumbers[cell] = 0;
    }
    for (uint32_t& part : record.serial) part = 0;
    record.answerKnown = 0;
    return 0;
}

int loadClues(PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 0) record.valueGrid[cell] = record.answerGrid[cell];
    }
    return 0;
}

int hasConflict(const PuzzleRecord& record, int cell) {
    int32_t value = record.valueGrid[cell];
    if (value == 0) return 0;
    for (int unit : kCellUnits[cell]) {
        for (int other : kUnitCells[unit]) {
            if (other == cell) continue;
            if (shownValue(record, other) == value) return 1;
        }
    }
    return 0;
}

int hasDuplicate(const int32_t* grid) {
    // Rows, then columns, then boxes: the unit table is in that order.
    for (const auto& unit : kUnitCells) {
        uint32_t seen = 0;
        for (int cell : unit) {
            int32_t value = grid[cell];
            if (value == 0) continue;
            uint32_t bit = valueBitOrZero(value);
            if (bit == 0) continue;
            if (seen & bit) return 1;
            seen |= bit;
        }
    }
    return 0;
}

int isComplete(const int32_t* grid) {
    for (const auto& unit : kUnitCells) {
        int64_t sum = 0;
        for (int cell : unit) sum += grid[cell];
        if (sum != 45) return 1;
    }
    return 0;
}

int countOpenEmpty(const PuzzleRecord& record) {
    int count = 0;
    for (int cell = 0; cell < kCells; cell++) {
        count += (record.openFlags[cell] == 1 && record.valueGrid[cell] == 0);
    }
    return count;
}

}  // namespace ga
