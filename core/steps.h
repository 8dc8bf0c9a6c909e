// The pencil-mark logic one deduction at a time: the board as it stands, its
// candidates kept up to date step by step, and the next step with what it
// concerns, so that it can be told in words and shown on the board.
//
// The steps are the logic's own rules: a cell with one candidate left, a value
// with one place left in a unit, and a hidden subset (k values of a unit whose
// every place lies in the same k cells, k = 2 up to one less than the unit's
// cells with candidates: those cells lose their other candidates). Applied
// until no step is left, they reach the grid that `propagate` reaches; when a
// step shows that the board has no answer, it says so instead.
#pragma once

#include <cstdint>

#include "core/puzzle_record.h"

namespace ga {

enum class StepKind : int {
    kNone,          // no deduction is left
    kNakedSingle,   // a cell has one candidate left: it takes it
    kHiddenSingle,  // a value has one place left in a unit: it goes there
    kHiddenSubset,  // k values can go only in k cells of a unit: those lose the rest
    // Contradictions: the board as it stands has no answer.
    kDuplicate,    // a value stands twice in a unit
    kNoCandidate,  // an empty cell has no candidate left
    kNoPlace,      // a value has no place left in a unit where it is missing
    kTooFewCells,  // more values than cells are confined to some cells of a unit
};

constexpr bool isContradiction(StepKind kind) {
    return kind >= StepKind::kDuplicate;
}

// Candidates that one cell loses.
struct CellRemoval {
    uint8_t cell;
    uint16_t values;  // ValueMask
};

struct Step {
    StepKind kind = StepKind::kNone;
    int unit = -1;        // 0..26 (rows, columns, boxes); -1 for a step about one cell
    uint16_t values = 0;  // ValueMask of the value or values concerned
    int cellCount = 0;
    uint8_t cells[9] = {};  // the cells concerned, ascending
    int removalCount = 0;
    CellRemoval removals[9] = {};  // only for a hidden subset
};

// The board as the logic sees it.
struct StepBoard {
    int32_t values[kCells];       // clues and entered values; 0 for an empty cell
    uint8_t open[kCells];         // 1 for an open cell
    uint16_t candidates[kCells];  // ValueMask of each open empty cell, 0 elsewhere
};

// Loads the clues (from answerGrid) and the open cells' values, and gives every
// open empty cell the values that its row, column and box lack.
void loadStepBoard(const PuzzleRecord& record, StepBoard& board);

// The next step, contradictions first, then single cells, single places and
// the smallest hidden subset; kNone when nothing is left.
Step nextStep(const StepBoard& board);

// Makes a placement or removal step; other kinds change nothing.
void applyStep(StepBoard& board, const Step& step);

// Open cells without a value.
int countOpenEmpty(const StepBoard& board);

}  // namespace ga
