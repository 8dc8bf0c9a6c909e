// The candidate analysis is computed with bit tables and skips work it can
// prove useless; these tests hold it to the plain steps, written out here as
// directly as they read, on many random units, boards and puzzles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "core/bits.h"
#include "core/candidates.h"
#include "generator/random.h"
#include "tests/core/test_records.h"

namespace {

using ga::CandidateSet;
using ga::kCells;
using ga::PuzzleRecord;
using ga::UnitWork;

namespace plain {

int32_t bit(int value) {
    return 1 << (value - 1);
}

void removeValue(UnitWork& work, int position, int value) {
    work.unitMask[position] &= ~bit(value);
    int32_t* list = work.valuePositions[value - 1];
    int& count = list[9];
    for (int i = 0; i < count; ++i) {
        if (list[i] != position) continue;
        for (int j = i; j + 1 < count; ++j) list[j] = list[j + 1];
        --count;
        break;
    }
    work.changed = 1;
}

void tryCombination(UnitWork& work, const std::vector<int>& cells) {
    int32_t confined = 0;
    int confinedCount = 0;
    for (int value = 1; value <= 9; ++value) {
        const int count = ga::valueCount(work, value);
        if (count == 0) continue;
        int holding = 0;
        for (int cell : cells) holding += (work.unitMask[cell] & bit(value)) != 0;
        if (holding >= count) {
            confined |= bit(value);
            ++confinedCount;
        }
    }
    if (confinedCount != static_cast<int>(cells.size())) return;
    for (int cell : cells) {
        for (int value = 1; value <= 9; ++value) {
            if (!(confined & bit(value)) && (work.unitMask[cell] & bit(value)))
                removeValue(work, cell, value);
        }
    }
}

void analyseUnit(UnitWork& work, int n) {
    for (int value = 1; value <= 9; ++value) {
        if (ga::valueCount(work, value) == 1)
            work.unitMask[work.valuePositions[value - 1][0]] = bit(value);
    }
    if (n < 3) return;
    for (int k = 2; k <= n - 1; ++k) {
        std::vector<int> index(k);
        for (int i = 0; i < k; ++i) index[i] = i;
        for (;;) {
            std::vector<int> cells(k);
            for (int i = 0; i < k; ++i) cells[i] = work.openCells[index[i]];
            tryCombination(work, cells);
            int i = k - 1;
            while (i >= 0 && index[i] == n - k + i) --i;
            if (i < 0) break;
            ++index[i];
            for (int j = i + 1; j < k; ++j) index[j] = index[j - 1] + 1;
        }
    }
}

void analyseUnits(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work) {
    for (int unit = 0; unit < ga::kUnits; ++unit) {
        const uint8_t* cells = ga::kUnitCells[unit];
        int n = 0;
        for (int p = 0; p < 9; ++p) {
            if (record.openFlags[cells[p]] == 1) work.openCells[n++] = p;
        }
        for (int value = 1; value <= 9; ++value) {
            int count = 0;
            for (int i = 0; i < n; ++i) {
                const int p = work.openCells[i];
                if (candidates.cellMask[cells[p]] & bit(value))
                    work.valuePositions[value - 1][count++] = p;
            }
            ga::valueCount(work, value) = count;
        }
        for (int p = 0; p < 9; ++p) work.unitMask[p] = candidates.cellMask[cells[p]];
        plain::analyseUnit(work, n);
        for (int p = 0; p < 9; ++p) {
            if (work.unitMask[p] < candidates.cellMask[cells[p]])
                candidates.cellMask[cells[p]] = work.unitMask[p];
        }
    }
}

void computeCandidates(const PuzzleRecord& record, CandidateSet& candidates) {
    for (int cell = 0; cell < kCells; ++cell) {
        candidates.cellMask[cell] = 0;
        if (record.valueGrid[cell] != 0) continue;
        int32_t mask = 0x1FF;
        for (int unit = 0; unit < 3; ++unit) {
            for (int other : ga::kUnitCells[ga::kCellUnits[cell][unit]]) {
                if (record.valueGrid[other]) mask &= ~bit(record.valueGrid[other]);
            }
        }
        candidates.cellMask[cell] = mask;
    }
}

void propagate(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work, bool deep) {
    for (;;) {
        plain::computeCandidates(record, candidates);
        if (deep) {
            do {
                work.changed = 0;
                plain::analyseUnits(record, candidates, work);
            } while (work.changed);
        }
        bool placed = false;
        for (int cell = 0; cell < kCells; ++cell) {
            const uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
            if (record.valueGrid[cell] == 0 && ga::isSingleBit(mask)) {
                record.valueGrid[cell] = ga::valueOfSingleBit(mask);
                placed = true;
            }
        }
        if (!placed) return;
    }
}

int32_t candidateNumber(int32_t mask) {
    int32_t number = 0;
    for (int value = 1; value <= 9; ++value) {
        if (mask & bit(value)) number = number * 10 + value;
    }
    return number;
}

int showCandidates(PuzzleRecord& record) {
    const PuzzleRecord entry = record;
    CandidateSet candidates;
    UnitWork work;
    int result = 0;
    for (bool deep : {true, false}) {
        ga::loadClues(record);
        plain::propagate(record, candidates, work, deep);
        std::memcpy(record.valueGrid, entry.valueGrid, sizeof record.valueGrid);
        int wide = 0;
        for (int32_t mask : candidates.cellMask)
            wide += ga::countBits(static_cast<uint32_t>(mask)) > 1;
        result = deep ? (wide ? 2 : 0) : (wide ? 1 : 0);
        if (result != 0) break;
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] == 1 && entry.valueGrid[cell] == 0) {
            record.candidateNumbers[cell] = plain::candidateNumber(candidates.cellMask[cell]);
        }
    }
    return result;
}

}  // namespace plain

void expectSameUnitWork(UnitWork& expected, UnitWork& actual) {
    for (int p = 0; p < 9; ++p)
        EXPECT_EQ(actual.unitMask[p], expected.unitMask[p]) << "position " << p;
    for (int value = 1; value <= 9; ++value) {
        const int count = ga::valueCount(expected, value);
        ASSERT_EQ(ga::valueCount(actual, value), count) << "value " << value;
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(actual.valuePositions[value - 1][i], expected.valuePositions[value - 1][i])
                << value;
        }
    }
    EXPECT_EQ(actual.changed, expected.changed);
}

std::string describeUnit(const UnitWork& work, int n) {
    std::string text = "open";
    for (int i = 0; i < n; ++i) text += " " + std::to_string(work.openCells[i]);
    text += "; masks";
    for (int p = 0; p < 9; ++p)
        text += " " + std::to_string(ga::candidateNumberOf(work.unitMask[p]));
    return text;
}

TEST(AnalysisAsWritten, AnalyseUnitOnRandomUnits) {
    std::mt19937 random(41);
    for (int round = 0; round < 6000; ++round) {
        UnitWork work;
        std::memset(&work, 0, sizeof work);
        ga::initUnitWork(work);
        // As in a real unit: e empty cells share e free values, the other
        // positions are clues or open cells already filled (no candidates).
        int positions[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(positions, positions + 9, random);
        const int empty = 2 + static_cast<int>(random() % 8);
        uint32_t free = 0;
        while (ga::countBits(free) < empty) free |= 1u << (random() % 9);
        const int density = 25 + static_cast<int>(random() % 60);
        bool open[9] = {};
        for (int i = 0; i < 9; ++i) {
            const int p = positions[i];
            work.unitMask[p] = 0;
            if (i >= empty) {
                open[p] = random() % 2;  // filled by the player, or a clue
                continue;
            }
            open[p] = true;
            uint32_t mask = 0;
            while (mask == 0) {
                for (int value = 1; value <= 9; ++value) {
                    if ((free >> (value - 1) & 1) && static_cast<int>(random() % 100) < density) {
                        mask |= 1u << (value - 1);
                    }
                }
            }
            work.unitMask[p] = static_cast<int32_t>(mask);
        }
        int n = 0;
        for (int p = 0; p < 9; ++p) {
            if (open[p]) work.openCells[n++] = p;
        }
        for (int value = 1; value <= 9; ++value) {
            int count = 0;
            for (int i = 0; i < n; ++i) {
                const int p = work.openCells[i];
                if (work.unitMask[p] & (1 << (value - 1)))
                    work.valuePositions[value - 1][count++] = p;
            }
            ga::valueCount(work, value) = count;
        }
        UnitWork expected = work;
        SCOPED_TRACE(describeUnit(work, n));
        plain::analyseUnit(expected, n);
        ga::analyseUnit(work, n);
        expectSameUnitWork(expected, work);
        if (HasFailure()) return;
    }
}

TEST(AnalysisAsWritten, AnalyseUnitsPassByPass) {
    std::mt19937 random(42);
    for (int round = 0; round < 60; ++round) {
        const ga::testing::Grid answer = ga::testing::randomAnswer(500 + round);
        PuzzleRecord record = ga::testing::puzzleFromClues(answer);
        const int keep = 20 + static_cast<int>(random() % 50);
        for (int cell = 0; cell < kCells; ++cell) {
            if (static_cast<int>(random() % 81) >= keep) {
                record.openFlags[cell] = 1;
                record.answerGrid[cell] = 0;
            } else if (random() % 4 == 0) {
                // typed by the player: open, with a value
                record.openFlags[cell] = 1;
                record.valueGrid[cell] = answer[cell];
                record.answerGrid[cell] = 0;
            }
        }
        ga::loadClues(record);
        CandidateSet expected;
        plain::computeCandidates(record, expected);
        // Thin some masks at random so that hidden subsets turn up often.
        for (int cell = 0; cell < kCells; ++cell) {
            if (random() % 3 == 0)
                expected.cellMask[cell] &= static_cast<int32_t>(random() | random());
        }
        CandidateSet actual = expected;
        UnitWork expectedWork, actualWork;
        ga::initUnitWork(expectedWork);
        ga::initUnitWork(actualWork);
        for (int pass = 0; pass < 4; ++pass) {
            SCOPED_TRACE("round " + std::to_string(round) + " pass " + std::to_string(pass));
            expectedWork.changed = actualWork.changed = 0;
            plain::analyseUnits(record, expected, expectedWork);
            EXPECT_EQ(ga::analyseUnits(record, actual, actualWork), 0);
            EXPECT_EQ(actualWork.changed, expectedWork.changed);
            for (int cell = 0; cell < kCells; ++cell) {
                ASSERT_EQ(actual.cellMask[cell], expected.cellMask[cell]) << "cell " << cell;
            }
        }
    }
}

TEST(AnalysisAsWritten, PropagateDeepAndShallow) {
    std::mt19937 random(43);
    for (int round = 0; round < 80; ++round) {
        const ga::testing::Grid answer = ga::testing::randomAnswer(700 + round);
        ga::testing::Grid clues = answer;
        const int toEmpty = 30 + static_cast<int>(random() % 31);
        for (int i = 0; i < toEmpty; ++i) clues[random() % 81] = 0;
        // Some puzzles get a wrong clue, so the sweep may place a value twice.
        if (round % 3 == 0) {
            const int cell = static_cast<int>(random() % 81);
            clues[cell] = 1 + static_cast<int>(random() % 9);
        }
        for (bool deep : {true, false}) {
            SCOPED_TRACE(ga::testing::textOf(clues.data()) + (deep ? " deep" : " shallow"));
            PuzzleRecord expected = ga::testing::puzzleFromClues(clues);
            ga::loadClues(expected);
            PuzzleRecord actual = expected;
            CandidateSet expectedCandidates, actualCandidates;
            UnitWork expectedWork, actualWork;
            ga::initUnitWork(expectedWork);
            ga::initUnitWork(actualWork);
            plain::propagate(expected, expectedCandidates, expectedWork, deep);
            if (deep) {
                ga::propagate(actual, actualCandidates, actualWork);
            } else {
                ga::propagateShallow(actual, actualCandidates);
            }
            EXPECT_EQ(ga::testing::copyOf(actual.valueGrid),
                      ga::testing::copyOf(expected.valueGrid));
            EXPECT_EQ(ga::testing::copyOf(actualCandidates.cellMask),
                      ga::testing::copyOf(expectedCandidates.cellMask));
            if (HasFailure()) return;
        }
    }
}

}  // namespace

namespace {

TEST(AnalysisAsWritten, ShowCandidates) {
    std::mt19937 random(44);
    int results[3] = {};
    for (int round = 0; round < 90; ++round) {
        const ga::testing::Grid answer = ga::testing::randomAnswer(900 + round);
        PuzzleRecord record = ga::testing::puzzleFromClues(answer);
        // From nearly full to sparse boards, some with typed values, a few of
        // them wrong.
        const int toEmpty = 10 + static_cast<int>(random() % 55);
        for (int i = 0; i < toEmpty; ++i) {
            const int cell = static_cast<int>(random() % 81);
            record.openFlags[cell] = 1;
            if (random() % 5 == 0) record.valueGrid[cell] = 1 + static_cast<int>(random() % 9);
        }
        for (int cell = 0; cell < kCells; ++cell) {
            record.candidateNumbers[cell] = -1;
            if (record.openFlags[cell]) record.answerGrid[cell] = 0;
        }
        PuzzleRecord expected = record;
        const int expectedResult = plain::showCandidates(expected);
        ++results[expectedResult];
        SCOPED_TRACE(ga::testing::textOf(record.answerGrid));
        EXPECT_EQ(ga::showCandidates(record), expectedResult);
        EXPECT_EQ(ga::testing::copyOf(record.candidateNumbers),
                  ga::testing::copyOf(expected.candidateNumbers));
        EXPECT_EQ(ga::testing::copyOf(record.valueGrid), ga::testing::copyOf(expected.valueGrid));
        if (HasFailure()) return;
    }
    // Every outcome must have been met for the comparison to mean much.
    EXPECT_GT(results[0], 0);
    EXPECT_GT(results[1], 0);
    EXPECT_GT(results[2], 0);
}

}  // namespace
