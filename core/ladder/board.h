// The board the human-style techniques look at: a value or a candidate mask
// per cell. Unlike the pencil-mark logic's board, the candidates here are
// whatever is left after the eliminations made so far (the player's own
// pencil marks included), not what the values alone allow.
#pragma once

#include <array>
#include <cstdint>

#include "core/ladder/cell_set.h"
#include "core/puzzle_record.h"

namespace ga {

struct LadderBoard {
    std::array<uint8_t, kCells> values;       // 1..9, 0 for an empty cell
    std::array<uint16_t, kCells> candidates;  // ValueMask of an empty cell, 0 at a filled one
    bool uniqueAnswer;  // known to have exactly one answer: uniqueness techniques may be used

    // The same values and candidates in every cell.
    bool sameCells(const LadderBoard& other) const {
        return values == other.values && candidates == other.candidates;
    }
};

// Where each value can still go: the empty cells holding it as a candidate.
struct DigitCells {
    CellSet of[10];  // by value 1..9; of[0] unused
};

// The board of a puzzle line's values (81 values, 0 = empty), each empty cell
// with every value its row, column and box allow.
void loadLadderBoard(const int32_t* values, bool uniqueAnswer, LadderBoard& board);

// The board as the player sees it: clues and the open cells' values; an empty
// open cell holding a list the player typed (two or more digits) has only
// those candidates (less any a value rules out), one without a list has all
// the values allow.
void loadLadderBoardFromRecord(const PuzzleRecord& record, bool uniqueAnswer, LadderBoard& board);

DigitCells digitCells(const LadderBoard& board);

// Puts a value into an empty cell; its peers lose it as a candidate.
void placeValue(LadderBoard& board, int cell, int value);

int countEmpty(const LadderBoard& board);

}  // namespace ga
