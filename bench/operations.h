// The engine operations that are timed on whole puzzle sets, each as one call
// on a fresh copy of a puzzle's record, returning the operation's result code.
#pragma once

#include "bench/puzzle_sets.h"
#include "core/puzzle_record.h"

namespace ga::bench {

struct Operation {
    const char* name;
    // Runs the operation on a record holding the puzzle's clues only.
    int (*run)(PuzzleRecord& record);
    // The result a correct engine gives for a puzzle of this class, -1 when
    // the result does not follow from the class alone.
    int (*expected)(AnswerClass answers);
    // Whole sets take too long per iteration, so public sets are cut to their first puzzles.
    bool slowPerPuzzle;
};

// propagate, propagateShallow, showCandidates, solvePencil, solveBacktrack,
// checkSolvable, checkMultiple.
constexpr int kOperationCount = 7;
extern const Operation kOperations[kOperationCount];

// Null when there is no operation of that name.
const Operation* findOperation(const char* name);

// The result codes of propagate / propagateShallow.
enum PropagationOutcome : int {
    kPropagationSolved = 0,
    kPropagationStuck = 1,
    kPropagationDuplicate = 2
};

}  // namespace ga::bench
