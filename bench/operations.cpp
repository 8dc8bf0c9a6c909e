#include "bench/operations.h"

#include <cstring>

#include "core/candidates.h"
#include "core/checks.h"
#include "core/solver.h"

namespace ga::bench {

namespace {

// Reports of a meter without a bar do nothing, as in a run without a window.
ProgressMeter silentMeter() {
    return ProgressMeter{};
}

int outcomeOf(const PuzzleRecord& record) {
    if (hasDuplicate(record.valueGrid)) return kPropagationDuplicate;
    return isComplete(record.valueGrid) ? kPropagationSolved : kPropagationStuck;
}

int runPropagate(PuzzleRecord& record) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    loadClues(record);
    propagate(record, candidates, work);
    return outcomeOf(record);
}

int runPropagateShallow(PuzzleRecord& record) {
    CandidateSet candidates;
    loadClues(record);
    propagateShallow(record, candidates);
    return outcomeOf(record);
}

int runShowCandidates(PuzzleRecord& record) {
    return showCandidates(record);
}

int runSolvePencil(PuzzleRecord& record) {
    ProgressMeter meter = silentMeter();
    return solveJob(record, kPencilMarks, meter);
}

int runSolveBacktrack(PuzzleRecord& record) {
    ProgressMeter meter = silentMeter();
    return solveJob(record, kBacktracking, meter);
}

int runCheckSolvable(PuzzleRecord& record) {
    ProgressMeter meter = silentMeter();
    return checkSolvable(record, meter);
}

int runCheckMultiple(PuzzleRecord& record) {
    ProgressMeter meter = silentMeter();
    return checkMultiple(record, meter);
}

int notImplied(AnswerClass) {
    return -1;
}

}  // namespace

const Operation kOperations[kOperationCount] = {
    {"propagate", runPropagate, notImplied, false},
    {"propagateShallow", runPropagateShallow, notImplied, false},
    {"showCandidates", runShowCandidates, notImplied, false},
    {"solvePencil", runSolvePencil, notImplied, false},
    {"solveBacktrack", runSolveBacktrack, notImplied, true},
    {"checkSolvable", runCheckSolvable, expectedSolvableResult, false},
    {"checkMultiple", runCheckMultiple, expectedMultipleResult, true},
};

const Operation* findOperation(const char* name) {
    for (const Operation& operation : kOperations) {
        if (std::strcmp(operation.name, name) == 0) return &operation;
    }
    return nullptr;
}

}  // namespace ga::bench
