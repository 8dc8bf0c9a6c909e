// The guessing searches: the exhaustive depth-first search and the randomized
// restart search in its variants.
#pragma once

#include <cstdint>

#include "core/candidates.h"
#include "core/progress.h"
#include "core/puzzle_record.h"

namespace ga {

enum SearchResult : int { kSearchSolved = 0, kSearchNoAnswer = 1, kSearchGaveUp = 2 };

// Exhaustive search: 0 when an answer exists, 1 when none does. The caller has
// run loadClues and set the meter to low 0, current 0, high = open empty cells.
// Only an answer found at the first level is left in valueGrid.
SearchResult solveDepthFirst(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                             ProgressMeter& meter);

// The same verdict as solveDepthFirst, reached faster: it branches on the open
// empty cell with the fewest candidates instead of the first one. For callers
// that use the verdict only; the answer it may leave in valueGrid can differ.
SearchResult decideAnswerExists(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                                ProgressMeter& meter);

// The exact number of answers, counted by the same search up to `limit` (a
// result of `limit` means at least that many), or kCountGaveUp when deciding
// would take the search more than `nodeLimit` nodes (a call of depthFirst
// each). The caller has run loadClues; valueGrid is as it was on return. The
// first answer found goes to `firstAnswer` when given.
constexpr int kCountGaveUp = -1;
int countAnswers(PuzzleRecord& record, int limit, long nodeLimit, Grid* firstAnswer = nullptr);

// The node limit of a count made while a person waits for it (a paste, a
// rating): beyond it the count gives up rather than keep them waiting. The
// hardest puzzles known need fewer than 10000; a sparse grid without answer
// can need millions.
constexpr long kWaitingCountNodes = 15000;

// Random restart search without memory, guess limit 81, restart limit 100.
// 0 with a solved valueGrid, or 2 with valueGrid back at its start. Runs
// loadClues itself and reports every turn against high 81.
SearchResult fillAtRandom(PuzzleRecord& record, ProgressMeter& meter);

// The repeat memory of solveByRestarts: cells whose guesses keep coming back
// are barred from guessing for a while.
struct RepeatMemory {
    int32_t repeatCount[kCells];
    int32_t triedMask[kCells];
    int32_t barredCells;
    void clear();
};

// Random restart search with repeat memory, guess limit 18, fewest-candidates
// cell choice. Gives up (2) after more than restartLimit restarts, with
// valueGrid back at its start; 0 when solved. The memory is cleared by the
// caller when it wants a fresh start. When meter is given, current advances by
// 1 at every restart. Runs loadClues itself.
SearchResult solveByRestarts(PuzzleRecord& record, int restartLimit, RepeatMemory& memory,
                             ProgressMeter* meter);

}  // namespace ga
