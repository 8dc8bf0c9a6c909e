#include "core/checks.h"

#include "core/candidates.h"
#include "core/searches.h"

namespace ga {

namespace {

constexpr int kExhaustiveUpTo = 64;  // open empty cells the exhaustive search takes
constexpr int kBatchRestarts = 300;
constexpr int kAnswersForSingle = 10;

// Propagates from the saved grid; true when logic alone solved it. The grid is
// put back either way.
bool solvedByLogic(PuzzleRecord& record, const Grid& saved) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    propagate(record, candidates, work);
    bool solved = isSolved(record.valueGrid);
    record.valueGrid = saved;
    return solved;
}

bool answerExists(PuzzleRecord& record, const Grid& saved, int openEmpty, ProgressMeter& meter) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    meter.showAtZero();
    meter.set(0, openEmpty, 0);
    int result = decideAnswerExists(record, candidates, work, meter);
    record.valueGrid = saved;
    return result == kSearchSolved;
}

}  // namespace

bool storedAnswerUsable(const PuzzleRecord& record) {
    return record.answerKnown == 1 && isSolved(record.answerGrid);
}

CheckSolvableResult checkSolvable(PuzzleRecord& record, ProgressMeter& meter) {
    if (storedAnswerUsable(record)) return kSolvable;
    loadClues(record);
    int openEmpty = countOpenEmpty(record);
    const Grid saved = record.valueGrid;

    if (openEmpty <= kExhaustiveUpTo) {
        if (solvedByLogic(record, saved)) return kSolvable;
        bool exists = answerExists(record, saved, openEmpty, meter);
        meter.hide();
        return exists ? kSolvable : kNoAnswerProved;
    }
    meter.showAtZero();
    int result = fillAtRandom(record, meter);
    record.valueGrid = saved;
    meter.hide();
    return result == kSearchSolved ? kSolvable : kNoAnswerFound;
}

CheckMultipleResult checkMultiple(PuzzleRecord& record, ProgressMeter& meter) {
    Grid reference;
    if (record.answerKnown == 1) {
        if (storedAnswerUsable(record)) {
            reference = record.answerGrid;
        } else {
            record.answerKnown = 0;
        }
    }
    bool haveReference = record.answerKnown == 1;
    loadClues(record);
    int openEmpty = countOpenEmpty(record);
    const Grid saved = record.valueGrid;

    if (openEmpty <= kExhaustiveUpTo) {
        if (solvedByLogic(record, saved)) return kSingleAnswer;
        if (!answerExists(record, saved, openEmpty, meter)) {
            meter.hide();
            return kNoAnswer;
        }
        // The exhaustive search proved an answer exists, so the batches go on
        // until ten answers agree or two differ.
        RepeatMemory memory;
        int answersFound = 0;
        while (true) {
            memory.clear();
            meter.set(0, kBatchRestarts, 0);
            meter.report();
            if (solveByRestarts(record, kBatchRestarts, memory, &meter) != kSearchSolved) continue;
            if (answersFound == 0 && !haveReference) {
                reference = record.valueGrid;
                haveReference = true;
                record.valueGrid = saved;
            } else {
                bool same = record.valueGrid == reference;
                record.valueGrid = saved;
                if (!same) {
                    meter.hide();
                    return kMultipleAnswers;
                }
            }
            if (++answersFound >= kAnswersForSingle) {
                meter.hide();
                return kSingleAnswer;
            }
        }
    }

    meter.showAtZero();
    if (!haveReference) {
        if (fillAtRandom(record, meter) != kSearchSolved) {
            record.valueGrid = saved;
            meter.hide();
            return kNoAnswer;
        }
        reference = record.valueGrid;
        record.valueGrid = saved;
    }
    for (int attempt = 0; attempt < kAnswersForSingle; attempt++) {
        // A fill that gives up leaves the saved grid, which is no answer at
        // all: it is skipped, never taken for a second answer.
        if (fillAtRandom(record, meter) != kSearchSolved) continue;
        bool same = record.valueGrid == reference;
        record.valueGrid = saved;
        if (!same) {
            meter.hide();
            return kMultipleAnswers;
        }
    }
    meter.hide();
    return kSingleAnswer;
}

}  // namespace ga
