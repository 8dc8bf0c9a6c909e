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

#include "core/ladder/board.h"

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

// The logic works on the ladder's board: the record's clues and the open
// cells' values, every empty cell with the values its row, column and box
// lack (a list the player typed is not the logic's concern).
void loadStepBoard(const PuzzleRecord& record, LadderBoard& board);

// The next step, contradictions first, then single cells, single places and
// the smallest hidden subset; kNone when nothing is left.
Step nextStep(const LadderBoard& board);

// Makes a placement or removal step; other kinds change nothing.
void applyStep(LadderBoard& board, const Step& step);

}  // namespace ga
