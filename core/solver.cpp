#include "core/solver.h"

#include "core/bits.h"
#include "core/random.h"
#include "core/searches.h"

namespace ga {

namespace {

constexpr int kRandomFillFrom = 65;  // open empty cells from which backtracking fills at random
constexpr int kBacktrackingRestarts = 1000;

}  // namespace

SolveJobResult solveJob(PuzzleRecord& record, int method, ProgressMeter& meter) {
    meter.set(0, kBacktrackingRestarts, 0);
    meter.showAtZero();
    loadClues(record);
    int emptyAtStart = countOpenEmpty(record);

    if (method == kBacktracking && emptyAtStart >= kRandomFillFrom) {
        int result = fillAtRandom(record, meter);
        meter.hide();
        return result == kSearchSolved ? kSolved : kNotSolvedByBacktracking;
    }

    const Grid saved = record.valueGrid;
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    propagate(record, candidates, work);
    int openEmpty = countOpenEmpty(record);
    bool duplicate = hasDuplicate(record.valueGrid);

    if (method != kBacktracking) {
        meter.hide();
        if (!duplicate) return openEmpty == 0 ? kSolved : kNotSolvedByPencilMarks;
        record.valueGrid = saved;
        // A board with a duplicate is never reported as solved, not even when
        // it had no empty cell to begin with.
        return kNotSolvedByPencilMarks;
    }

    // The restart search starts from the propagated grid: its first turn would
    // reach the same fixed point from the saved one.
    RepeatMemory memory;
    memory.clear();
    int result = solveByRestarts(record, kBacktrackingRestarts, memory, &meter);
    if (result != kSearchSolved) record.valueGrid = saved;
    meter.hide();
    return result == kSearchSolved ? kSolved : kNotSolvedByBacktracking;
}

int pickWidestCell(const PuzzleRecord& record, const CandidateSet& candidates,
                   const bool* excluded) {
    int cells[kCells];
    int m = 0;
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 1 && record.valueGrid[cell] == 0 &&
            !(excluded && excluded[cell])) {
            cells[m++] = cell;
        }
    }
    if (m == 0) return -1;
    int best = cells[chooseAmong(m)];
    int bestCount = countBits(static_cast<uint32_t>(candidates.cellMask[best]));
    for (int s = 1; s < m; s++) {
        int cell = cells[chooseAmong(m)];
        int count = countBits(static_cast<uint32_t>(candidates.cellMask[cell]));
        if (count > bestCount) {
            best = cell;
            bestCount = count;
        }
    }
    return best;
}

void makeLogicSolvable(PuzzleRecord& record) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    loadClues(record);
    // Each added clue changes little: most units are analysed as before.
    AnalysisMemo* memo = analysisMemoOfThisThread();
    while (true) {
        propagate(record, candidates, work, memo);
        int openEmpty = countOpenEmpty(record);
        if (openEmpty == 0) break;
        int cell = pickWidestCell(record, candidates, nullptr);
        if (cell < 0) break;
        record.openFlags[cell] = 0;
        record.valueGrid[cell] = record.answerGrid[cell];
        if (openEmpty == 1) break;
    }
    for (int32_t& value : record.valueGrid) value = 0;
}

}  // namespace ga
