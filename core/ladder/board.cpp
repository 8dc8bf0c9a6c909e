#include "core/ladder/board.h"

#include "core/bits.h"

namespace ga {

namespace {

uint32_t candidatesAllowed(const LadderBoard& board, int cell) {
    uint32_t seen = 0;
    for (int peer : cellsOf(peersOf(cell))) {
        if (board.values[peer] != 0) seen |= bitOfValue(board.values[peer]);
    }
    return kAllValues & ~seen;
}

// The digits of a candidate list such as 467, as a ValueMask.
uint32_t listedValues(int32_t number) {
    uint32_t mask = 0;
    for (; number > 0; number /= 10) {
        int digit = number % 10;
        if (digit != 0) mask |= bitOfValue(digit);
    }
    return mask;
}

void fillCandidates(LadderBoard& board) {
    for (int cell = 0; cell < kCells; cell++) {
        board.candidates[cell] =
            board.values[cell] ? 0 : static_cast<uint16_t>(candidatesAllowed(board, cell));
    }
}

}  // namespace

void loadLadderBoard(const int32_t* values, bool uniqueAnswer, LadderBoard& board) {
    for (int cell = 0; cell < kCells; cell++) {
        int32_t value = values[cell];
        board.values[cell] = static_cast<uint8_t>(value >= 1 && value <= 9 ? value : 0);
    }
    board.uniqueAnswer = uniqueAnswer;
    fillCandidates(board);
}

void loadLadderBoardFromRecord(const PuzzleRecord& record, bool uniqueAnswer, LadderBoard& board) {
    int32_t values[kCells];
    for (int cell = 0; cell < kCells; cell++) values[cell] = shownValue(record, cell);
    loadLadderBoard(values, uniqueAnswer, board);
    for (int cell = 0; cell < kCells; cell++) {
        if (board.values[cell] != 0 || record.openFlags[cell] != 1) continue;
        uint32_t listed = listedValues(record.candidateNumbers[cell]);
        if (countBits(listed) >= 2) board.candidates[cell] &= static_cast<uint16_t>(listed);
    }
}

DigitCells digitCells(const LadderBoard& board) {
    DigitCells where;
    for (int cell = 0; cell < kCells; cell++) {
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            where.of[lowestBitIndex(mask) + 1].add(cell);
        }
    }
    return where;
}

void placeValue(LadderBoard& board, int cell, int value) {
    board.values[cell] = static_cast<uint8_t>(value);
    board.candidates[cell] = 0;
    const uint16_t keep = static_cast<uint16_t>(~bitOfValue(value));
    for (int peer : cellsOf(peersOf(cell))) board.candidates[peer] &= keep;
}

int countEmpty(const LadderBoard& board) {
    int count = 0;
    for (int cell = 0; cell < kCells; cell++) count += board.values[cell] == 0;
    return count;
}

}  // namespace ga
