// The solve job's two methods and the clue completion used by the generator.
#pragma once

#include "core/candidates.h"
#include "core/progress.h"
#include "core/puzzle_record.h"

namespace ga {

enum SolveMethod : int { kPencilMarks = 0, kBacktracking = 1 };
enum SolveJobResult : int {
    kSolved = 0,
    kNotSolvedByPencilMarks = 1,
    kNotSolvedByBacktracking = 2
};

// Solves the record by pencil marks (method 0) or backtracking (method 1).
// Shows the bar at 0 at the start and hides it before returning.
SolveJobResult solveJob(PuzzleRecord& record, int method, ProgressMeter& meter);

// Among the open empty cells that are not excluded, samples at random and keeps
// the first with the most candidates. -1 when no cell qualifies. `excluded` may
// be null (no cell excluded).
int pickWidestCell(const PuzzleRecord& record, const CandidateSet& candidates,
                   const bool* excluded);

// Turns open cells into clues (from answerGrid) until the deep propagation
// alone solves the puzzle; leaves valueGrid all 0.
void makeLogicSolvable(PuzzleRecord& record);

}  // namespace ga
