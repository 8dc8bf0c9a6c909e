// The candidate analysis is computed with bit tables and skips work it can
// prove useless; these tests hold it to the plain steps, written out here as
// directly as they read: on hand-made units worked out in advance, then on many
// random units and boards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>

#include "core/bits.h"
#include "core/candidates.h"
#include "tests/support/test_records.h"

namespace ga::testing {
namespace plain {

int32_t bit(int value) {
    return 1 << (value - 1);
}

// Loads a unit as the analysis expects it: masks by position, the open
// positions, and for each value the open positions whose mask holds it.
// Entries past the counts hold garbage, as they may in the real work area.
int loadUnit(UnitWork& work, const int32_t* masks, const bool* open) {
    std::memset(&work, 0x7F, sizeof work);
    initUnitWork(work);
    work.changed = 0;
    int n = 0;
    for (int p = 0; p < 9; ++p) {
        work.unitMask[p] = masks[p];
        if (open[p]) work.openCells[n++] = p;
    }
    for (int value = 1; value <= 9; ++value) {
        int32_t& count = valueCount(work, value) = 0;
        for (int i = 0; i < n; ++i) {
            if (masks[work.openCells[i]] & bit(value))
                work.valuePositions[value - 1][count++] = work.openCells[i];
        }
    }
    return n;
}

// Values confined to the cells (each held there by every open cell holding
// it); when they are as many as the cells, the cells lose all other values.
void tryCombination(UnitWork& work, const std::vector<int>& cells) {
    int32_t confined = 0;
    for (int value = 1; value <= 9; ++value) {
        int holding = 0;
        for (int cell : cells) holding += (work.unitMask[cell] & bit(value)) != 0;
        const int count = valueCount(work, value);
        if (count > 0 && holding >= count) confined |= bit(value);
    }
    if (countBits(confined) != static_cast<int>(cells.size())) return;
    for (int cell : cells) {
        for (int value = 1; value <= 9; ++value) {
            if (confined & bit(value) || !(work.unitMask[cell] & bit(value))) continue;
            work.unitMask[cell] &= ~bit(value);
            int32_t* list = work.valuePositions[value - 1];
            list[9] = static_cast<int32_t>(std::remove(list, list + list[9], cell) - list);
            work.changed = 1;
        }
    }
}

// Hidden singles, then every combination of k of the n open cells, k = 2 ..
// n - 1, in lexicographic order of their indices.
void analyseUnit(UnitWork& work, int n) {
    for (int value = 1; value <= 9; ++value) {
        if (valueCount(work, value) == 1)
            work.unitMask[work.valuePositions[value - 1][0]] = bit(value);
    }
    for (int k = 2; k <= n - 1; ++k) {
        std::vector<bool> chosen(n);
        std::fill(chosen.begin(), chosen.begin() + k, true);
        do {
            std::vector<int> cells;
            for (int i = 0; i < n; ++i)
                if (chosen[i]) cells.push_back(work.openCells[i]);
            tryCombination(work, cells);
        } while (std::prev_permutation(chosen.begin(), chosen.end()));
    }
}

// Every unit analysed once, removals in force for the units after it.
void analyseUnits(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work) {
    for (const auto& cells : kUnitCells) {
        int32_t masks[9];
        bool open[9];
        for (int p = 0; p < 9; ++p) {
            masks[p] = candidates.cellMask[cells[p]];
            open[p] = record.openFlags[cells[p]] == 1;
        }
        const int changed = work.changed;
        const int n = loadUnit(work, masks, open);
        work.changed = changed;
        plain::analyseUnit(work, n);
        for (int p = 0; p < 9; ++p) candidates.cellMask[cells[p]] &= work.unitMask[p];
    }
}

// Free values of every unit and the candidates of every empty cell; then,
// deep, every unit analysed until nothing changes; cells left with a single
// candidate are filled, and it all starts again until none is.
void propagate(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work, bool deep) {
    for (bool placed = true; placed;) {
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
        do {
            work.changed = 0;
            if (deep) plain::analyseUnits(record, candidates, work);
        } while (work.changed);
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

// What a unit's analysis leaves: the masks, whether it changed, and the open
// positions still holding each value.
std::vector<int32_t> outcome(const UnitWork& work) {
    std::vector<int32_t> result(work.unitMask, work.unitMask + 9);
    result.push_back(work.changed);
    for (const auto& list : work.valuePositions) {
        result.push_back(-1);
        result.insert(result.end(), list, list + list[9]);
    }
    return result;
}

// Runs both on the unit and gives the engine's outcome.
std::vector<int32_t> analyseBoth(const int32_t* masks, const bool* open) {
    UnitWork expected, actual;
    const int n = plain::loadUnit(actual, masks, open);
    plain::loadUnit(expected, masks, open);
    plain::analyseUnit(expected, n);
    analyseUnit(actual, n);
    EXPECT_EQ(outcome(actual), outcome(expected));
    return outcome(actual);
}

// Masks by position as digits, '-' for none, the open positions, the masks
// they narrow to, and whether anything changed.
TEST(AnalysisAsWritten, HandMadeUnitsNarrowAsWorkedOut) {
    const struct {
        const char *masks, *open, *expected;
        int changed;
    } cases[] = {
        {"12 23 - - - - - - -", "01", "1 3 - - - - - - -", 0},  // no subsets of two open cells
        {"125 126 56 56 - - - - -", "0123", "12 12 56 56 - - - - -", 1},  // hidden pair
        {"12 12 56 56 - - - - -", "0123", "12 12 56 56 - - - - -", 0},
        // Only with the pair {0,1} in force is {2,3} a pair that drops 7.
        {"125 126 567 567 78 78 - - -", "012345", "12 12 56 56 78 78 - - -", 1},
        {"124 235 13 45 45 - - - -", "01234", "12 23 13 45 45 - - - -", 1},  // hidden triple
        // After the single at 0 the counts still include position 0: no pair.
        {"125 234 234 45 45 - - - -", "01234", "1 234 234 45 45 - - - -", 0},
        // A clue at 4, not open; filled open cells have no candidates but count.
        {"- 125 126 56 - 56 - - -", "01235", "- 12 12 56 - 56 - - -", 1}};
    const auto masksOf = [](const char* text) {
        std::vector<int32_t> masks;
        std::istringstream in(text);
        for (std::string word; in >> word;) {
            int32_t& mask = masks.emplace_back(0);
            for (char c : word) mask |= c == '-' ? 0 : plain::bit(c - '0');
        }
        return masks;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.masks);
        bool open[9] = {};
        for (const char* p = c.open; *p; ++p) open[*p - '0'] = true;
        std::vector<int32_t> expected = masksOf(c.expected);
        expected.push_back(c.changed);
        std::vector<int32_t> result = analyseBoth(masksOf(c.masks).data(), open);
        EXPECT_EQ(std::vector<int32_t>(result.begin(), result.begin() + 10), expected);
    }
}

// As in a real unit: e empty cells share e free values, the other positions
// are clues or open cells already filled (no candidates).
TEST(AnalysisAsWritten, AnalyseUnitOnRandomUnits) {
    std::mt19937 random(41);
    for (int round = 0; round < 6000 && !HasFailure(); ++round) {
        int positions[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(positions, positions + 9, random);
        const int empty = 2 + static_cast<int>(random() % 8);
        uint32_t free = 0;
        while (countBits(free) < empty) free |= 1u << (random() % 9);
        const uint32_t density = 25 + random() % 60;
        int32_t masks[9] = {};
        bool open[9] = {};
        for (int i = 0; i < 9; ++i) {
            open[positions[i]] = i < empty || random() % 2;
            while (i < empty && masks[positions[i]] == 0) {
                for (int value = 1; value <= 9; ++value)
                    if ((free & plain::bit(value)) && random() % 100 < density)
                        masks[positions[i]] |= plain::bit(value);
            }
        }
        SCOPED_TRACE(round);
        analyseBoth(masks, open);
    }
}

// A random answer with 10 to 69 cells opened; a fifth of those the player has
// typed, right or wrong, and every third board has a wrong clue. Free masks
// included: a value placed twice is simply absent from them. Then boards along
// a search's path from each.
TEST(AnalysisAsWritten, PropagateDeepAndShallow) {
    std::mt19937 random(43);
    for (int round = 0; round < 80; ++round) {
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
        for (bool deep : {true, false}) {
            SCOPED_TRACE(textOf(board.valueGrid) + (deep ? " deep" : " shallow"));
            PuzzleRecord expected = board, actual = board;
            CandidateSet expectedCandidates, actualCandidates;
            UnitWork expectedWork, actualWork;
            initUnitWork(actualWork);
            plain::propagate(expected, expectedCandidates, expectedWork, deep);
            deep ? propagate(actual, actualCandidates, actualWork)
                 : propagateShallow(actual, actualCandidates);
            EXPECT_EQ(actual.valueGrid, expected.valueGrid);
            ASSERT_EQ(std::memcmp(&actualCandidates, &expectedCandidates, sizeof actualCandidates),
                      0);
            // One pass of the unit analysis over the settled candidates, thinned.
            for (int32_t& mask : expectedCandidates.cellMask)
                mask &= static_cast<int32_t>(random() | random());
            actualCandidates = expectedCandidates;
            expectedWork.changed = actualWork.changed = 0;
            plain::analyseUnits(expected, expectedCandidates, expectedWork);
            analyseUnits(expected, actualCandidates, actualWork);
            EXPECT_EQ(actualWork.changed, expectedWork.changed);
            ASSERT_EQ(copyOf(actualCandidates.cellMask), copyOf(expectedCandidates.cellMask));
        }
        // Along a search's path: a candidate guessed into an open empty cell
        // after each propagation, now and then back to the start, with
        // the thread's remembered analyses and shallow candidates in use as
        // the searches use them. Wrong guesses lead into contradictions.
        PuzzleRecord path = board;
        for (int step = 0; step < 24; ++step) {
            SCOPED_TRACE(textOf(path.valueGrid) + " step " + std::to_string(step));
            PuzzleRecord expected = path, actual = path;
            CandidateSet expectedCandidates, actualCandidates;
            UnitWork expectedWork, actualWork;
            initUnitWork(actualWork);
            plain::propagate(expected, expectedCandidates, expectedWork, true);
            propagate(actual, actualCandidates, actualWork, analysisMemoOfThisThread());
            ASSERT_EQ(actual.valueGrid, expected.valueGrid);
            ASSERT_EQ(std::memcmp(&actualCandidates, &expectedCandidates, sizeof actualCandidates),
                      0);
            std::vector<int> open;
            for (int cell = 0; cell < kCells; ++cell)
                if (actual.openFlags[cell] && !actual.valueGrid[cell]) open.push_back(cell);
            if (open.empty() || step % 8 == 7) {
                path = board;
                continue;
            }
            path = actual;
            if (step % 8 == 3) {  // a value overwritten, as a player would
                const int cell = static_cast<int>(random() % kCells);
                if (path.openFlags[cell] && path.valueGrid[cell])
                    path.valueGrid[cell] = 1 + path.valueGrid[cell] % 9;
            }
            const int cell = open[random() % open.size()];
            uint32_t mask = static_cast<uint32_t>(actualCandidates.cellMask[cell]);
            for (int skip = mask ? static_cast<int>(random() % countBits(mask)) : 0; skip > 0;
                 --skip)
                mask = withoutLowestBit(mask);
            path.valueGrid[cell] = mask ? valueOfSingleBit(mask & (0u - mask)) : 1 + random() % 9;
        }
    }
}

}  // namespace
}  // namespace ga::testing
