#include "core/checks.h"

#include <cstring>

#include "core/candidates.h"
#include "core/searches.h"

namespace ga {

namespace {

constexpr int kExhaustiveUpTo = 64;  // open empty cells the exhaustive search takes
constexpr int kBatchRestarts = 300;
constexpr int kAnswersForSingle = 10;

struct SavedGrid {
    int32_t cells[kCells];
    void take(const PuzzleRecord& record) { std::memcpy(cells, record.valueGrid, sizeof cells); }
    void putBack(PuzzleRecord& record) const { std::memcpy(record.valueGrid, cells, sizeof cells); }
};

bool sameGrid(const int32_t* a, const int32_t* b) {
    return std::memcmp(a, b, kCells * 4) == 0;
}

// Propagates from the saved grid; true when logic alone solved it. The grid is
// put back either way.
bool solvedByLogic(PuzzleRecord& record, const SavedGrid& saved) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    propagate(record, candidates, work);
    bool solved = isSolved(record.valueGrid);
    saved.putBack(record);
    return solved;
}

bool answerExists(PuzzleRecord& record, const SavedGrid& saved, int openEmpty,
                  ProgressMeter& meter) {
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);
    meter.showAtZero();
    meter.set(0, openEmpty, 0);
    int result = decideAnswerExists(record, candidates, work, meter);
    saved.putBack(record);
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
    SavedGrid saved;
    saved.take(record);

    if (openEmpty <= kExhaustiveUpTo) {
        if (solvedByLogic(record, saved)) return kSolvable;
        bool exists = answerExists(record, saved, openEmpty, meter);
        meter.hide();
        return exists ? kSolvable : kNoAnswerProved;
    }
    meter.showAtZero();
    int result = fillAtRandom(record, meter);
    saved.putBack(record);
    meter.hide();
    return result == kSearchSolved ? kSolvable : kNoAnswerFound;
}

CheckMultipleResult checkMultiple(PuzzleRecord& record, ProgressMeter& meter) {
    int32_t reference[kCells];
    if (record.answerKnown == 1) {
        if (storedAnswerUsable(record)) {
            std::memcpy(reference, record.answerGrid, sizeof reference);
        } else {
            record.answerKnown = 0;
        }
    }
    bool haveReference = record.answerKnown == 1;
    loadClues(record);
    int openEmpty = countOpenEmpty(record);
    SavedGrid saved;
    saved.take(record);

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
                std::memcpy(reference, record.valueGrid, sizeof reference);
                haveReference = true;
                saved.putBack(record);
            } else {
                bool same = sameGrid(record.valueGrid, reference);
                saved.putBack(record);
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
            saved.putBack(record);
            meter.hide();
            return kNoAnswer;
        }
        std::memcpy(reference, record.valueGrid, sizeof reference);
        saved.putBack(record);
    }
    for (int attempt = 0; attempt < kAnswersForSingle; attempt++) {
        // A fill that gives up leaves the saved grid, which is no answer at
        // all: it is skipped, never taken for a second answer.
        if (fillAtRandom(record, meter) != kSearchSolved) continue;
        bool same = sameGrid(record.valueGrid, reference);
        saved.putBack(record);
        if (!same) {
            meter.hide();
            return kMultipleAnswers;
        }
    }
    meter.hide();
    return kSingleAnswer;
}

}  // namespace ga
