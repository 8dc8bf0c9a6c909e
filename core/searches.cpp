#include "core/searches.h"

#include "core/bits.h"
#include "core/random.h"

namespace ga {

// ---------------------------------------------------------------------------
// Exhaustive depth-first search
// ---------------------------------------------------------------------------

namespace {

int firstOpenEmptyCell(const PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 1 && record.valueGrid[cell] == 0) return cell;
    }
    return -1;
}

// The open empty cell with the fewest candidates (the first of equals); -1 when
// none is left. A cell without any candidate is returned at once.
int narrowestOpenEmptyCell(const PuzzleRecord& record, const CandidateSet& candidates) {
    int best = -1, bestCount = 10;
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] != 1 || record.valueGrid[cell] != 0) continue;
        int count = countBits(static_cast<uint32_t>(candidates.cellMask[cell]));
        if (count < bestCount) {
            best = cell;
            bestCount = count;
            if (count == 0) break;
        }
    }
    return best;
}

enum class BranchCell { kFirstOpenEmpty, kFewestCandidates };

// The answers a search is after: the first one (wanted 1), or a count of them
// up to `wanted`.
struct AnswerTally {
    int wanted = 1;
    int found = 0;
    Grid* firstAnswer = nullptr;
    long nodesLeft = -1;  // the nodes the search may still enter; negative: no bound
    AnalysisMemo* memo = analysisMemoOfThisThread();

    // Counts the answer in the grid; true when the search may stop.
    bool take(const Grid& grid) {
        if (found++ == 0 && firstAnswer != nullptr) *firstAnswer = grid;
        return found >= wanted;
    }
};

// kSearchSolved once the tally has all it wants.
SearchResult depthFirst(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                        ProgressMeter& meter, BranchCell branchCell, AnswerTally& tally) {
    if (tally.nodesLeft == 0) return kSearchGaveUp;
    if (tally.nodesLeft > 0) --tally.nodesLeft;
    meter.step();
    const Grid saved = record.valueGrid;
    analyseUntilSettled(record, candidates, work, tally.memo);

    int cell = branchCell == BranchCell::kFirstOpenEmpty
                   ? firstOpenEmptyCell(record)
                   : narrowestOpenEmptyCell(record, candidates);
    if (cell < 0) {
        return isSolved(record.valueGrid) && tally.take(record.valueGrid) ? kSearchSolved
                                                                          : kSearchNoAnswer;
    }

    // Restoring the saved grid gives back exactly these candidates, so the
    // mask is kept instead of analysing the grid again after every value.
    uint32_t values = static_cast<uint32_t>(candidates.cellMask[cell]);
    for (; values != 0; values = withoutLowestBit(values)) {
        record.valueGrid[cell] = lowestBitIndex(values) + 1;
        propagate(record, candidates, work, tally.memo);
        SearchResult below = kSearchNoAnswer;
        if (!hasDuplicate(record.valueGrid)) {
            if (!isComplete(record.valueGrid)) {
                below = depthFirst(record, candidates, work, meter, branchCell, tally);
            } else if (tally.take(record.valueGrid)) {
                return kSearchSolved;
            }
        }
        record.valueGrid = saved;
        if (below != kSearchNoAnswer) return below;
    }
    return kSearchNoAnswer;
}

}  // namespace

SearchResult solveDepthFirst(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                             ProgressMeter& meter) {
    AnswerTally first;
    return depthFirst(record, candidates, work, meter, BranchCell::kFirstOpenEmpty, first);
}

SearchResult decideAnswerExists(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                                ProgressMeter& meter) {
    AnswerTally first;
    return depthFirst(record, candidates, work, meter, BranchCell::kFewestCandidates, first);
}

int countAnswers(PuzzleRecord& record, int limit, long nodeLimit, Grid* firstAnswer) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    ProgressMeter noBar;
    AnswerTally tally{limit, 0, firstAnswer, nodeLimit};
    const Grid saved = record.valueGrid;
    const int result =
        depthFirst(record, candidates, work, noBar, BranchCell::kFewestCandidates, tally);
    record.valueGrid = saved;
    return result == kSearchGaveUp ? kCountGaveUp : tally.found;
}

// ---------------------------------------------------------------------------
// Randomized restart search
// ---------------------------------------------------------------------------

void RepeatMemory::clear() {
    for (int cell = 0; cell < kCells; cell++) repeatCount[cell] = triedMask[cell] = 0;
    barredCells = 0;
}

namespace {

struct RestartVariant {
    int guessLimit;               // a try fails after more guesses than this
    int restartLimit;             // the search gives up after more restarts than this
    RepeatMemory* memory;         // null: no memory, and the cell choice of the random fill
    ProgressMeter* turnMeter;     // reported every turn (random fill)
    ProgressMeter* restartMeter;  // advanced at every restart
};

void trimMemory(RepeatMemory& memory, int openEmpty) {
    while (memory.barredCells > openEmpty / 2) {
        for (int cell = 0; cell < kCells; cell++) {
            if (memory.repeatCount[cell] == 0) continue;
            if (--memory.repeatCount[cell] == 0) memory.barredCells--;
        }
    }
}

int listEligibleCells(const PuzzleRecord& record, const RepeatMemory* memory, int* cells) {
    int m = 0;
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 1 && record.valueGrid[cell] == 0 &&
            (memory == nullptr || memory->repeatCount[cell] == 0)) {
            cells[m++] = cell;
        }
    }
    return m;
}

int candidateCount(const CandidateSet& candidates, int cell) {
    return countBits(static_cast<uint32_t>(candidates.cellMask[cell]));
}

// Samples the list m times and keeps the first sample with the most (or the
// fewest) candidates; a later sample must be strictly better to replace it.
int sampleCell(const int* cells, int m, const CandidateSet& candidates, bool wantMost) {
    int best = cells[chooseAmong(m)];
    int bestCount = candidateCount(candidates, best);
    for (int s = 1; s < m; s++) {
        int cell = cells[chooseAmong(m)];
        int count = candidateCount(candidates, cell);
        if (wantMost ? count > bestCount : count < bestCount) {
            best = cell;
            bestCount = count;
        }
    }
    return best;
}

// The (k + 1)-th smallest candidate of the cell for a random k; 0 without one.
int32_t drawCandidate(const CandidateSet& candidates, int cell) {
    uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
    int count = countBits(mask);
    if (count == 0) return 0;
    for (int k = chooseAmong(count); k > 0; k--) mask = withoutLowestBit(mask);
    return lowestBitIndex(mask) + 1;
}

void recordGuess(RepeatMemory& memory, int cell, int32_t value, int guesses) {
    if (!(drawUnit() * guesses < 1) || value == 0) return;
    uint32_t bit = bitOfValue(value);
    if (static_cast<uint32_t>(memory.triedMask[cell]) & bit) {
        if (++memory.repeatCount[cell] == 1) memory.barredCells++;
    } else {
        memory.triedMask[cell] |= static_cast<int32_t>(bit);
    }
}

SearchResult restartSearch(PuzzleRecord& record, const RestartVariant& variant) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    loadClues(record);
    const Grid start = record.valueGrid;
    int guesses = 0, restarts = 0;
    int cells[kCells];
    AnalysisMemo* memo = analysisMemoOfThisThread();

    while (true) {
        if (variant.turnMeter) {
            variant.turnMeter->set(0, 81, guesses);
            variant.turnMeter->report();
        }
        if (propagateTurn(record, candidates, work, memo) != 0) continue;

        int openEmpty = countOpenEmpty(record);
        bool duplicate = hasDuplicate(record.valueGrid);
        if (!duplicate && isComplete(record.valueGrid)) return kSearchSolved;

        if (openEmpty < 1 || duplicate || guesses > variant.guessLimit) {
            record.valueGrid = start;
            if (++restarts > variant.restartLimit) return kSearchGaveUp;
            guesses = 0;
            if (variant.restartMeter) variant.restartMeter->step();
            continue;
        }
        guesses++;

        RepeatMemory* memory = variant.memory;
        if (memory) trimMemory(*memory, openEmpty);
        int m = listEligibleCells(record, memory, cells);
        if (m == 0 && memory) {
            for (int32_t& count : memory->repeatCount) count = 0;
            memory->barredCells = 0;
            m = listEligibleCells(record, memory, cells);
        }
        if (m == 0) continue;  // cannot happen: an open empty cell exists

        bool wantMost = memory == nullptr && drawUnit() < 0.5;
        int cell = sampleCell(cells, m, candidates, wantMost);
        int32_t value = drawCandidate(candidates, cell);
        record.valueGrid[cell] = value;
        if (memory) recordGuess(*memory, cell, value, guesses);

        if (openEmpty == 1 && isComplete(record.valueGrid)) return kSearchSolved;
    }
}

}  // namespace

SearchResult fillAtRandom(PuzzleRecord& record, ProgressMeter& meter) {
    RestartVariant variant{81, 100, nullptr, &meter, nullptr};
    return restartSearch(record, variant);
}

SearchResult solveByRestarts(PuzzleRecord& record, int restartLimit, RepeatMemory& memory,
                             ProgressMeter* meter) {
    RestartVariant variant{18, restartLimit, &memory, nullptr, meter};
    return restartSearch(record, variant);
}

}  // namespace ga
