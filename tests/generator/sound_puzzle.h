// What a generated puzzle of each class must be, for the generator tests and
// the soak.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/solver.h"
#include "generator/generation.h"
#include "generator/serial.h"
#include "generator/transforms.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga::testing {

// What every class promises: the sources it draws from, and whether the
// pencil marks solve it (clues then show at least eight values and leave at
// most one row and one column bare).
inline const struct ClassPromise {
    int lowestSource, highestSource;
    bool logic;
} kPromises[] = {{1, 1, true}, {1, 9, true},    {1, 9, true},    {1, 9, true},
                 {1, 9, true}, {10, 12, false}, {11, 13, false}, {12, 13, false}};

inline int sourceOf(const PuzzleRecord& puzzle) {
    return static_cast<int>(puzzle.serial[kSourceAndTransformPart] >> kSourceShift);
}

inline void expectSoundPuzzle(const PuzzleRecord& puzzle, int difficultyClass) {
    const ClassPromise& promise = kPromises[difficultyClass];
    Grid clues{};
    int openCells = 0, rowClues[9] = {}, columnClues[9] = {};
    uint32_t shown = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const bool open = puzzle.openFlags[cell] == 1;
        ASSERT_TRUE(open || puzzle.openFlags[cell] == 0);
        ASSERT_EQ(puzzle.valueGrid[cell], open ? 0 : puzzle.answerGrid[cell]);
        ASSERT_EQ(puzzle.candidateNumbers[cell], 0);
        clues[cell] = puzzle.valueGrid[cell];
        openCells += open;
        rowClues[cell / 9] += !open;
        columnClues[cell % 9] += !open;
        shown |= open ? 0 : 1u << puzzle.answerGrid[cell];
    }
    Grid answer{};
    EXPECT_EQ(countAnswers(clues.data(), 2, answer.data()), 1);
    EXPECT_EQ(answer, puzzle.answerGrid);
    EXPECT_EQ(puzzle.answerKnown, 1);
    EXPECT_TRUE(sourceOf(puzzle) >= promise.lowestSource &&
                sourceOf(puzzle) <= promise.highestSource);
    // The serial: a legal relabelling, at most one whole-grid transform, and a
    // bit for each open cell in the three clue parts.
    const SerialParts& serial = puzzle.serial;
    EXPECT_EQ(isIllegalRelabelNumber(serial[kRelabelPart]), 0);
    EXPECT_LE(__builtin_popcount(serial[kSourceAndTransformPart] & 0x7), 1);
    EXPECT_EQ(__builtin_popcount(serial[2]) + __builtin_popcount(serial[3]) +
                  __builtin_popcount(serial[4]),
              openCells);
    if (promise.logic) {
        PuzzleRecord solved = puzzle;
        ProgressMeter meter;
        EXPECT_EQ(solveJob(solved, kPencilMarks, meter), kSolved);
        EXPECT_GE(__builtin_popcount(shown), 8);
        EXPECT_LE(std::count(rowClues, rowClues + 9, 0), 1);
        EXPECT_LE(std::count(columnClues, columnClues + 9, 0), 1);
    }
    PuzzleRecord rebuilt;
    std::memset(&rebuilt, 0x5A, sizeof rebuilt);
    rebuilt.serial = serial;
    if (sourceOf(puzzle) == kFreshSource) {
        EXPECT_EQ(recreatePuzzle(rebuilt), kSerialOutOfRange);
    } else {
        ASSERT_EQ(recreatePuzzle(rebuilt), 0);
        EXPECT_EQ(std::memcmp(&rebuilt, &puzzle, sizeof rebuilt), 0) << "rebuilt from its serial";
    }
}

}  // namespace ga::testing
