// The candidate analysis works on bit tables, remembers earlier analyses and
// skips work it can prove useless. These tests hold what it gives (candidates,
// free values, values placed) to the plain steps, written out here as they
// read, and to the answer where there is one: on random boards, along search
// paths through puzzles, and over a player's edits.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

#include "core/bits.h"
#include "core/candidates.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga::testing {
namespace plain {

int32_t bit(int value) {
    return 1 << (value - 1);
}

// One unit: its cells' masks by position, and which cells are open. A value
// counts the open cells holding it. Hidden singles first: a value counted once
// leaves its cell nothing else (a later value wins the cell; the counts stay).
// Then every combination of k of the n open cells, k = 2 .. n - 1, in
// lexicographic order: a counted value is confined to it when at least as many
// of its cells hold it as it counts; with exactly k confined values its cells
// lose every other value, which then counts one less. True when a combination
// removed something.
bool analyseUnit(int32_t* const* masks, const bool* open) {
    std::vector<int> cells;
    int count[10] = {};
    int32_t held[9];
    for (int p = 0; p < 9; ++p) {
        held[p] = *masks[p];
        if (!open[p]) continue;
        cells.push_back(p);
        for (int value = 1; value <= 9; ++value) count[value] += (held[p] & bit(value)) != 0;
    }
    for (int value = 1; value <= 9; ++value) {
        for (int p : cells)
            if (count[value] == 1 && (held[p] & bit(value))) *masks[p] = bit(value);
    }
    bool removed = false;
    const int n = static_cast<int>(cells.size());
    for (int k = 2; k <= n - 1; ++k) {
        std::vector<bool> chosen(n);
        std::fill(chosen.begin(), chosen.begin() + k, true);
        do {
            int32_t confined = 0;
            for (int value = 1; value <= 9; ++value) {
                int holding = 0;
                for (int i = 0; i < n; ++i) holding += chosen[i] && (*masks[cells[i]] & bit(value));
                if (count[value] > 0 && holding >= count[value]) confined |= bit(value);
            }
            if (countBits(static_cast<uint32_t>(confined)) != k) continue;
            for (int i = 0; i < n; ++i) {
                for (int value = 1; value <= 9 && chosen[i]; ++value) {
                    if (confined & bit(value) || !(*masks[cells[i]] & bit(value))) continue;
                    *masks[cells[i]] &= ~bit(value);
                    --count[value];
                    removed = true;
                }
            }
        } while (std::prev_permutation(chosen.begin(), chosen.end()));
    }
    return removed;
}

// Every unit once, in order, each seeing what those before it removed.
bool analyseUnits(const PuzzleRecord& record, CandidateSet& candidates) {
    bool removed = false;
    for (const auto& unit : kUnitCells) {
        int32_t* masks[9];
        bool open[9];
        for (int p = 0; p < 9; ++p) {
            masks[p] = &candidates.cellMask[unit[p]];
            open[p] = record.openFlags[unit[p]] == 1;
        }
        removed |= analyseUnit(masks, open);
    }
    return removed;
}

// The values no cell of a unit holds, and of each empty cell the values free
// in all three of its units.
void shallow(const PuzzleRecord& record, CandidateSet& candidates) {
    int32_t* freeOfKind[] = {candidates.rowFree, candidates.columnFree, candidates.boxFree};
    for (int unit = 0; unit < kUnits; ++unit) {
        int32_t& free = freeOfKind[unit / 9][unit % 9] = 0x1FF;
        for (int cell : kUnitCells[unit])
            if (record.valueGrid[cell]) free &= ~bit(record.valueGrid[cell]);
    }
    for (int cell = 0; cell < kCells; ++cell) {
        candidates.cellMask[cell] = record.valueGrid[cell] ? 0 : 0x1FF;
        for (int unit : kCellUnits[cell])
            candidates.cellMask[cell] &= freeOfKind[unit / 9][unit % 9];
    }
}

// The shallow candidates, then all units again as long as a pass removes anything.
void settle(const PuzzleRecord& record, CandidateSet& candidates) {
    shallow(record, candidates);
    while (analyseUnits(record, candidates)) {
    }
}

// Cells left with a single candidate are filled, and it all starts again
// until none is.
void propagate(PuzzleRecord& record, CandidateSet& candidates, bool deep) {
    for (bool placed = true; placed;) {
        deep ? settle(record, candidates) : shallow(record, candidates);
        placed = false;
        for (int cell = 0; cell < kCells; ++cell) {
            const uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
            if (record.valueGrid[cell] == 0 && isSingleBit(mask)) {
                record.valueGrid[cell] = valueOfSingleBit(mask);
                placed = true;
            }
        }
    }
}

}  // namespace plain

namespace {

std::vector<int32_t> contents(const CandidateSet& c) {
    std::vector<int32_t> all(std::begin(c.cellMask), std::end(c.cellMask));
    for (const int32_t* free : {c.rowFree, c.columnFree, c.boxFree})
        all.insert(all.end(), free, free + 9);
    return all;
}

// The engine and the plain steps propagate the board alike: deep with the
// thread's memory and without, and shallow. Gives the engine's deep result.
PuzzleRecord propagateBoth(const PuzzleRecord& board, CandidateSet& candidates) {
    SCOPED_TRACE(textOf(board.valueGrid));
    PuzzleRecord result = board;
    for (bool deep : {true, false}) {
        PuzzleRecord expected = board;
        CandidateSet expectedCandidates;
        plain::propagate(expected, expectedCandidates, deep);
        for (int way = deep ? 0 : 2; way < (deep ? 2 : 3); ++way) {
            PuzzleRecord actual = board;
            CandidateSet actualCandidates;
            UnitWork work;
            initUnitWork(work);
            way == 2   ? propagateShallow(actual, actualCandidates)
            : way == 1 ? propagate(actual, actualCandidates, work)
                       : propagate(actual, actualCandidates, work, analysisMemoOfThisThread());
            EXPECT_EQ(actual.valueGrid, expected.valueGrid) << "way " << way;
            EXPECT_EQ(contents(actualCandidates), contents(expectedCandidates)) << "way " << way;
            if (way == 0) result = actual, candidates = actualCandidates;
        }
    }
    return result;
}

// A random answer with 10 to 69 cells opened; a fifth of those the player has
// typed, right or wrong, and every third board has a wrong clue. Then one pass
// of the unit analysis over the settled candidates, thinned at random, so
// that units hold fewer cells than values.
TEST(AnalysisModel, RandomBoards) {
    std::mt19937 random(43);
    for (int round = 0; round < 80 && !HasFailure(); ++round) {
        PuzzleRecord board = puzzleFromText(textOf(randomAnswer(500 + round)));
        for (int i = 10 + static_cast<int>(random() % 60); i > 0; --i) {
            const int cell = static_cast<int>(random() % 81);
            const int typed =
                random() % 2 ? board.answerGrid[cell] : 1 + static_cast<int>(random() % 9);
            if (random() % 5 == 0) board.valueGrid[cell] = typed;
            board.openFlags[cell] = 1;
            board.answerGrid[cell] = 0;
        }
        const int wrongClue = static_cast<int>(random() % 81);
        if (round % 3 == 0) {
            board.openFlags[wrongClue] = 0;
            board.answerGrid[wrongClue] = 1 + static_cast<int>(random() % 9);
        }
        loadClues(board);
        CandidateSet expected;
        propagateBoth(board, expected);
        for (int32_t& mask : expected.cellMask) mask &= static_cast<int32_t>(random() | random());
        CandidateSet actual = expected;
        UnitWork work;
        initUnitWork(work);
        work.changed = 0;
        const bool removed = plain::analyseUnits(board, expected);
        analyseUnits(board, actual, work);
        EXPECT_EQ(work.changed != 0, removed) << textOf(board.valueGrid);
        EXPECT_EQ(contents(actual), contents(expected)) << textOf(board.valueGrid);
    }
}

// Along a search's path through each puzzle: after each propagation a
// candidate (or, when there is none, any value) goes into an open empty cell,
// now and then the path starts again. Wrong guesses lead into contradictions.
// On the way to a single answer, every cell keeps the answer's value among its
// candidates, and every value placed is the answer's.
class AnalysisPaths : public ::testing::TestWithParam<DataCase> {};

TEST_P(AnalysisPaths, AgreeWithThePlainStepsAndTheAnswer) {
    const PuzzleRecord start = [] {
        PuzzleRecord record = puzzleFromText(GetParam().puzzle);
        loadClues(record);
        return record;
    }();
    Grid answer{};
    const bool unique = countAnswers(start.valueGrid.data(), 2, answer.data()) == 1;
    std::mt19937 random(GetParam().line);
    PuzzleRecord path = start;
    for (int step = 0; step < 60 && !HasFailure(); ++step) {
        CandidateSet candidates;
        const PuzzleRecord settled = propagateBoth(path, candidates);
        bool onTheWay = unique;
        for (int cell = 0; cell < kCells; ++cell)
            onTheWay =
                onTheWay && (path.valueGrid[cell] == 0 || path.valueGrid[cell] == answer[cell]);
        std::vector<int> open;
        for (int cell = 0; cell < kCells; ++cell) {
            if (onTheWay && settled.valueGrid[cell] != 0) {
                EXPECT_EQ(settled.valueGrid[cell], answer[cell]) << cell;
            } else if (onTheWay) {
                EXPECT_TRUE(candidates.cellMask[cell] & plain::bit(answer[cell])) << cell;
            }
            if (settled.openFlags[cell] && !settled.valueGrid[cell]) open.push_back(cell);
        }
        if (open.empty() || step % 12 == 11) {
            path = start;
            continue;
        }
        path = settled;
        const int cell = open[random() % open.size()];
        uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
        for (int skip = mask ? static_cast<int>(random() % countBits(mask)) : 0; skip > 0; --skip)
            mask = withoutLowestBit(mask);
        path.valueGrid[cell] = mask ? lowestBitIndex(mask) + 1 : 1 + random() % 9;
    }
}

GA_DATA_FILE_CASES(AnalysisPaths, "puzzles.txt");

// What the analysis remembers of earlier boards is brought up to date after
// each of a player's edits and must give what a fresh analysis gives: values
// placed, erased and changed, repeats included, and cells turned from open to
// clue and back, their values kept (a unit's analysis is remembered by its
// masks and its number of open cells). A new thread remembers nothing yet,
// not even for a board with no cell open and no value.
TEST(AnalysisMemo, EveryEditGivesWhatAFreshAnalysisGives) {
    PuzzleRecord closed = puzzleFromText(std::string(kCells, '.'));
    std::fill(std::begin(closed.openFlags), std::end(closed.openFlags), 0);
    CandidateSet first, fresh;
    UnitWork work;
    std::thread([&] {
        analyseUntilSettled(closed, first, work, analysisMemoOfThisThread());
    }).join();
    analyseUntilSettled(closed, fresh, work);
    EXPECT_EQ(contents(first), contents(fresh));
    std::mt19937 random(47);
    AnalysisMemo* memo = analysisMemoOfThisThread();
    for (int round = 0; round < 500 && !HasFailure(); ++round) {
        PuzzleRecord board = puzzleFromText(textOf(randomAnswer(900 + round)));
        for (int i = 30 + static_cast<int>(random() % 30); i > 0; --i) {
            const int cell = static_cast<int>(random() % 81);
            board.openFlags[cell] = 1;
            board.answerGrid[cell] = 0;
        }
        loadClues(board);
        for (int edit = 0; edit < 30; ++edit) {
            const int cell = static_cast<int>(random() % 81);
            switch (random() % 4) {
                case 0:  // erased, when open
                    if (board.openFlags[cell]) board.valueGrid[cell] = 0;
                    break;
                case 1:  // a value put in or changed, when open
                    if (board.openFlags[cell]) board.valueGrid[cell] = 1 + random() % 9;
                    break;
                case 2:  // made a clue, or the clue opened; the value kept, empty or not
                    board.openFlags[cell] ^= 1;
                    break;
                default:  // nothing changed
                    break;
            }
            SCOPED_TRACE(textOf(board.valueGrid) + " edit " + std::to_string(edit));
            CandidateSet remembered, fresh;
            UnitWork work;
            analyseUntilSettled(board, remembered, work, memo);
            analyseUntilSettled(board, fresh, work);
            EXPECT_EQ(contents(remembered), contents(fresh));
            // And filled on from there, as a search fills it.
            PuzzleRecord filled = board, freshFilled = board;
            propagate(filled, remembered, work, memo);
            propagate(freshFilled, fresh, work);
            EXPECT_EQ(filled.valueGrid, freshFilled.valueGrid);
            EXPECT_EQ(contents(remembered), contents(fresh));
            analyseUntilSettled(board, remembered, work, memo);  // the board remembered again
        }
    }
}

}  // namespace
}  // namespace ga::testing
