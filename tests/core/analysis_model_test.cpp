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

namespace {

using ga::CandidateSet;
using ga::kCells;
using ga::PuzzleRecord;
using ga::UnitWork;
using ga::testing::copyOf;

namespace plain {

int32_t bit(int value) {
    return 1 << (value - 1);
}

// Loads a unit as the analysis expects it: masks by position, the open
// positions, and for each value the open positions whose mask holds it.
// Entries past the counts hold garbage, as they may in the real work area.
int loadUnit(UnitWork& work, const int32_t* masks, const bool* open) {
    std::memset(&work, 0x7F, sizeof work);
    ga::initUnitWork(work);
    work.changed = 0;
    int n = 0;
    for (int p = 0; p < 9; ++p) {
        work.unitMask[p] = masks[p];
        if (open[p]) work.openCells[n++] = p;
    }
    for (int value = 1; value <= 9; ++value) {
        int32_t& count = ga::valueCount(work, value) = 0;
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
        const int count = ga::valueCount(work, value);
        if (count > 0 && holding >= count) confined |= bit(value);
    }
    if (ga::countBits(confined) != static_cast<int>(cells.size())) return;
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
        if (ga::valueCount(work, value) == 1)
            work.unitMask[work.valuePositions[value - 1][0]] = bit(value);
    }
    for (int k = 2; k <= n - 1; ++k) {
        std::vector<int> index(k);
        for (int i = 0; i < k; ++i) index[i] = i;
        for (int i = 0; i >= 0;) {
            std::vector<int> cells(k);
            for (int j = 0; j < k; ++j) cells[j] = work.openCells[index[j]];
            tryCombination(work, cells);
            for (i = k - 1; i >= 0 && index[i] == n - k + i;) --i;
            if (i >= 0) ++index[i];
            for (int j = i + 1; i >= 0 && j < k; ++j) index[j] = index[j - 1] + 1;
        }
    }
}

void analyseUnits(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work) {
    for (const auto& cells : ga::kUnitCells) {
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

// Free values of every unit, and the candidates of every empty cell.
void computeCandidates(const PuzzleRecord& record, CandidateSet& candidates) {
    int32_t* freeOfKind[] = {candidates.rowFree, candidates.columnFree, candidates.boxFree};
    for (int unit = 0; unit < ga::kUnits; ++unit) {
        int32_t& free = freeOfKind[unit / 9][unit % 9] = 0x1FF;
        for (int cell : ga::kUnitCells[unit]) {
            if (record.valueGrid[cell]) free &= ~bit(record.valueGrid[cell]);
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        candidates.cellMask[cell] = record.valueGrid[cell] ? 0 : 0x1FF;
        for (int unit : ga::kCellUnits[cell])
            candidates.cellMask[cell] &= freeOfKind[unit / 9][unit % 9];
    }
}

void propagate(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work, bool deep) {
    for (bool placed = true; placed;) {
        plain::computeCandidates(record, candidates);
        do {
            work.changed = 0;
            if (deep) plain::analyseUnits(record, candidates, work);
        } while (work.changed);
        placed = false;
        for (int cell = 0; cell < kCells; ++cell) {
            const uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
            if (record.valueGrid[cell] == 0 && ga::isSingleBit(mask)) {
                record.valueGrid[cell] = ga::valueOfSingleBit(mask);
                placed = true;
            }
        }
    }
}

}  // namespace plain

void expectSameUnitWork(const UnitWork& expected, const UnitWork& actual) {
    const auto positions = [](const UnitWork& work, int value) {
        const int32_t* list = work.valuePositions[value - 1];
        return std::vector<int32_t>(list, list + list[9]);
    };
    for (int value = 1; value <= 9; ++value)
        EXPECT_EQ(positions(actual, value), positions(expected, value)) << "value " << value;
    EXPECT_EQ(std::vector<int32_t>(actual.unitMask, actual.unitMask + 9),
              std::vector<int32_t>(expected.unitMask, expected.unitMask + 9));
    EXPECT_EQ(actual.changed, expected.changed);
}

std::vector<int32_t> masksOf(const char* text) {
    std::vector<int32_t> masks;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        masks.push_back(word == "-" ? 0 : static_cast<int32_t>(ga::testing::maskOf(word)));
    return masks;
}

// Masks by position as digits, '-' for none; the open positions as digits.
TEST(AnalysisAsWritten, HandMadeUnitsNarrowAsWorkedOut) {
    const struct {
        const char *name, *masks, *open, *expected;
        int changed;
    } cases[] = {
        {"hiddenSinglesOnlyBelowThreeOpenCells", "12 23 - - - - - - -", "01", "1 3 - - - - - - -",
         0},
        {"hiddenPairDropsTheOtherCandidates", "125 126 56 56 - - - - -", "0123",
         "12 12 56 56 - - - - -", 1},
        {"hiddenPairWithNothingElseChangesNothing", "12 12 56 56 - - - - -", "0123",
         "12 12 56 56 - - - - -", 0},
        // The pair {0,1} first takes 5 and 6 out of positions 0 and 1; only with
        // those removals in force is {2,3} a pair that drops 7.
        {"removalsTakeEffectAtOnce", "125 126 567 567 78 78 - - -", "012345",
         "12 12 56 56 78 78 - - -", 1},
        {"hiddenTriple", "124 235 13 45 45 - - - -", "01234", "12 23 13 45 45 - - - -", 1},
        // After the hidden single at 0 the counts of 2 and 5 still include
        // position 0, so {1,2} is no pair of 2 and 3 and nothing is removed.
        {"hiddenSingleLeavesCountsAsTheyWere", "125 234 234 45 45 - - - -", "01234",
         "1 234 234 45 45 - - - -", 0},
        // Position 4 holds a clue and is not open; filled open cells have no
        // candidates but take part in the combinations.
        {"clueAndFilledPositions", "- 125 126 56 - 56 - - -", "01235", "- 12 12 56 - 56 - - -", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool open[9] = {};
        for (const char* p = c.open; *p; ++p) open[*p - '0'] = true;
        UnitWork actual, expected;
        const int n = plain::loadUnit(actual, masksOf(c.masks).data(), open);
        plain::loadUnit(expected, masksOf(c.masks).data(), open);
        EXPECT_EQ(ga::analyseUnit(actual, n), 0);
        plain::analyseUnit(expected, n);
        EXPECT_EQ(std::vector<int32_t>(actual.unitMask, actual.unitMask + 9), masksOf(c.expected));
        EXPECT_EQ(actual.changed, c.changed);
        expectSameUnitWork(expected, actual);
    }
}

// As in a real unit: e empty cells share e free values, the other positions
// are clues or open cells already filled (no candidates).
TEST(AnalysisAsWritten, AnalyseUnitOnRandomUnits) {
    std::mt19937 random(41);
    for (int round = 0; round < 6000; ++round) {
        int positions[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(positions, positions + 9, random);
        const int empty = 2 + static_cast<int>(random() % 8);
        uint32_t free = 0;
        while (ga::countBits(free) < empty) free |= 1u << (random() % 9);
        const uint32_t density = 25 + random() % 60;
        int32_t masks[9] = {};
        bool open[9] = {};
        for (int i = 0; i < 9; ++i) {
            open[positions[i]] = i < empty || random() % 2;
            while (i < empty && masks[positions[i]] == 0) {
                for (int value = 1; value <= 9; ++value) {
                    if ((free & plain::bit(value)) && random() % 100 < density)
                        masks[positions[i]] |= plain::bit(value);
                }
            }
        }
        UnitWork actual, expected;
        const int n = plain::loadUnit(actual, masks, open);
        plain::loadUnit(expected, masks, open);
        plain::analyseUnit(expected, n);
        ga::analyseUnit(actual, n);
        SCOPED_TRACE("round " + std::to_string(round));
        expectSameUnitWork(expected, actual);
        ASSERT_FALSE(HasFailure());
    }
}

// A random answer with 10 to 69 cells opened; a fifth of those the player has
// typed, right or wrong, and every third board has a wrong clue.
PuzzleRecord randomBoard(int round, std::mt19937& random) {
    PuzzleRecord record = ga::testing::puzzleFromClues(ga::testing::randomAnswer(500 + round));
    for (int i = 10 + static_cast<int>(random() % 60); i > 0; --i) {
        const int cell = static_cast<int>(random() % 81);
        const int typed =
            random() % 2 ? record.answerGrid[cell] : 1 + static_cast<int>(random() % 9);
        if (random() % 5 == 0) record.valueGrid[cell] = typed;
        record.openFlags[cell] = 1;
        record.answerGrid[cell] = 0;
    }
    const int wrongClue = static_cast<int>(random() % 81);
    if (round % 3 == 0) {
        record.openFlags[wrongClue] = 0;
        record.answerGrid[wrongClue] = 1 + static_cast<int>(random() % 9);
    }
    ga::loadClues(record);
    return record;
}

// Some masks are thinned at random so that hidden subsets turn up often.
TEST(AnalysisAsWritten, AnalyseUnitsPassByPass) {
    std::mt19937 random(42);
    for (int round = 0; round < 60; ++round) {
        const PuzzleRecord record = randomBoard(round, random);
        CandidateSet expected;
        plain::computeCandidates(record, expected);
        for (int32_t& mask : expected.cellMask) {
            if (random() % 3 == 0) mask &= static_cast<int32_t>(random() | random());
        }
        CandidateSet actual = expected;
        UnitWork expectedWork, actualWork;
        for (int pass = 0; pass < 4; ++pass) {
            SCOPED_TRACE("round " + std::to_string(round) + " pass " + std::to_string(pass));
            expectedWork.changed = actualWork.changed = 0;
            plain::analyseUnits(record, expected, expectedWork);
            EXPECT_EQ(ga::analyseUnits(record, actual, actualWork), 0);
            EXPECT_EQ(actualWork.changed, expectedWork.changed);
            ASSERT_EQ(copyOf(actual.cellMask), copyOf(expected.cellMask));
        }
    }
}

// Free masks included: a value placed twice is simply absent from them.
TEST(AnalysisAsWritten, PropagateDeepAndShallow) {
    std::mt19937 random(43);
    for (int round = 0; round < 80; ++round) {
        const PuzzleRecord board = randomBoard(round, random);
        for (bool deep : {true, false}) {
            SCOPED_TRACE(ga::testing::textOf(board.valueGrid) + (deep ? " deep" : " shallow"));
            PuzzleRecord expected = board, actual = board;
            CandidateSet expectedCandidates, actualCandidates;
            UnitWork expectedWork, actualWork;
            ga::initUnitWork(actualWork);
            plain::propagate(expected, expectedCandidates, expectedWork, deep);
            if (deep) ga::propagate(actual, actualCandidates, actualWork);
            if (!deep) ga::propagateShallow(actual, actualCandidates);
            EXPECT_EQ(copyOf(actual.valueGrid), copyOf(expected.valueGrid));
            ASSERT_EQ(std::memcmp(&actualCandidates, &expectedCandidates, sizeof actualCandidates),
                      0);
        }
    }
}

}  // namespace
