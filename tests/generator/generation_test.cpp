#include "generator/generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

#include "core/solver.h"
#include "generator/random.h"
#include "generator/serial.h"
#include "generator/transforms.h"
#include "tests/support/exact_solver.h"

namespace ga {
namespace {

bool isClue(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] == 0;
}

int sourceOf(const PuzzleRecord& record) {
    return static_cast<int>(record.serial[kSourceAndTransformPart] >> kSourceShift);
}

bool sourceFitsClass(int source, int difficultyClass) {
    const int lowest[] = {1, 1, 1, 1, 1, 10, 11, 12}, highest[] = {1, 9, 9, 9, 9, 12, 13, 13};
    return source >= lowest[difficultyClass] && source <= highest[difficultyClass];
}

int bareLines(const PuzzleRecord& record, bool columns) {
    int bare = 0;
    for (int line = 0; line < 9; ++line) {
        bool hasClue = false;
        for (int along = 0; along < 9; ++along)
            hasClue |= isClue(record, columns ? 9 * along + line : 9 * line + along);
        bare += !hasClue;
    }
    return bare;
}

int clueValueCount(const PuzzleRecord& record) {
    uint32_t seen = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (isClue(record, cell)) seen |= 1u << record.answerGrid[cell];
    }
    return __builtin_popcount(seen);
}

// The base pattern's clues, moved and relabelled as the puzzle was.
PuzzleRecord patternUnder(const PuzzleRecord& puzzle) {
    PuzzleRecord pattern{};
    pattern.serial[kRelabelPart] = puzzle.serial[kRelabelPart];
    pattern.serial[kSourceAndTransformPart] = puzzle.serial[kSourceAndTransformPart];
    const int32_t* openFlags = patternTable(sourceOf(puzzle)).openFlags;
    for (int cell = 0; cell < kCells; ++cell) {
        if (openFlags[cell]) pattern.serial[kFirstCluePart + cell / 27] |= 1u << (cell % 27 + 1);
    }
    recreatePuzzle(pattern);
    return pattern;
}

void expectSoundPuzzle(const PuzzleRecord& puzzle, int difficultyClass) {
    ASSERT_TRUE(isSolved(puzzle.answerGrid));
    EXPECT_EQ(puzzle.answerKnown, 1);
    int openCells = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        ASSERT_TRUE(puzzle.openFlags[cell] == 0 || puzzle.openFlags[cell] == 1) << cell;
        ASSERT_EQ(puzzle.valueGrid[cell], isClue(puzzle, cell) ? puzzle.answerGrid[cell] : 0);
        ASSERT_EQ(puzzle.candidateNumbers[cell], 0) << cell;
        openCells += puzzle.openFlags[cell];
    }
    EXPECT_EQ(testing::countAnswers(puzzle.valueGrid), 1);

    // The serial number: a legal relabelling, bit 27 clear, at most one
    // whole-grid transform, the source of the class, and an even clue part of
    // at most 0x0FFFFFFE per 27 cells with a bit for each open cell.
    const uint32_t* serial = puzzle.serial;
    EXPECT_EQ(isIllegalRelabelNumber(serial[kRelabelPart]), 0);
    EXPECT_EQ(serial[kSourceAndTransformPart] & (1u << 27), 0u);
    EXPECT_LE(__builtin_popcount(serial[kSourceAndTransformPart] & 0x7), 1);
    EXPECT_TRUE(sourceFitsClass(sourceOf(puzzle), difficultyClass)) << sourceOf(puzzle);
    int openBits = 0;
    for (int part = kFirstCluePart; part < kSerialParts; ++part) {
        EXPECT_EQ(serial[part] & 1u, 0u);
        EXPECT_LE(serial[part], 0x0FFFFFFEu);
        openBits += __builtin_popcount(serial[part]);
    }
    EXPECT_EQ(openBits, openCells);

    if (difficultyClass <= kLastLogicClass) {
        PuzzleRecord solved = puzzle;
        ProgressMeter meter;
        EXPECT_EQ(solveJob(solved, kPencilMarks, meter), kSolved);
        EXPECT_EQ(0, std::memcmp(solved.valueGrid, puzzle.answerGrid, sizeof solved.valueGrid));
        EXPECT_GE(clueValueCount(puzzle), 8);
        EXPECT_LE(bareLines(puzzle, false), 1);
        EXPECT_LE(bareLines(puzzle, true), 1);
    } else {
        const PuzzleRecord pattern = patternUnder(puzzle);
        for (int cell = 0; cell < kCells; ++cell)
            ASSERT_TRUE(!isClue(pattern, cell) || isClue(puzzle, cell)) << cell;
    }

    if (sourceOf(puzzle) >= kFirstRegionSource) {
        PuzzleRecord rebuilt;
        std::memset(&rebuilt, 0x5A, sizeof rebuilt);
        std::memcpy(rebuilt.serial, puzzle.serial, sizeof rebuilt.serial);
        ASSERT_EQ(recreatePuzzle(rebuilt), 0);
        EXPECT_EQ(0, std::memcmp(&rebuilt, &puzzle, sizeof rebuilt));
    }
}

class EveryClass : public ::testing::TestWithParam<int> {};

TEST_P(EveryClass, MakesSoundPuzzles) {
    const int difficultyClass = GetParam();
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        seedRandomWith(seed * 7919 + difficultyClass);
        PuzzleRecord puzzle;
        ProgressMeter meter;
        ASSERT_EQ(generatePuzzle(puzzle, difficultyClass, meter), kGenerated);
        expectSoundPuzzle(puzzle, difficultyClass);
    }
}

INSTANTIATE_TEST_SUITE_P(Generation, EveryClass, ::testing::Range(kLowestClass, kHighestClass + 1));

TEST(Generation, EveryTableMakesASoundPuzzleThatItsSerialRebuilds) {
    uint32_t seed = 1;
    for (int difficultyClass = 1; difficultyClass <= kHighestClass; ++difficultyClass) {
        for (int source = kFirstRegionSource; source <= kLastPatternSource; ++source) {
            if (!sourceFitsClass(source, difficultyClass)) continue;
            for (int round = 0; round < 5; ++round, ++seed) {
                SCOPED_TRACE(::testing::Message() << "source " << source << " class "
                                                  << difficultyClass << " seed " << seed);
                seedRandomWith(seed);
                PuzzleRecord puzzle;
                ASSERT_EQ(buildPuzzleOnTable(puzzle, difficultyClass, source), kGenerated);
                EXPECT_EQ(sourceOf(puzzle), source);
                expectSoundPuzzle(puzzle, difficultyClass);
            }
        }
    }
}

TEST(Generation, RefusedRequestsDrawNothingAndLeaveTheRecord) {
    // source 0: generatePuzzle itself
    const std::pair<int, int> kRefused[] = {{-1, 0}, {8, 0}, {255, 0}, {0, 2},  {5, 9},
                                            {4, 10}, {1, 1}, {7, 14},  {8, 13}, {5, 13}};
    for (auto [difficultyClass, source] : kRefused) {
        SCOPED_TRACE(::testing::Message() << difficultyClass << " " << source);
        seedRandomWith(99);
        const uint32_t firstDraw = nextRandom();
        seedRandomWith(99);
        PuzzleRecord record;
        std::memset(&record, 0x33, sizeof record);
        const PuzzleRecord before = record;
        ProgressMeter meter;
        EXPECT_EQ(source == 0 ? generatePuzzle(record, difficultyClass, meter)
                              : buildPuzzleOnTable(record, difficultyClass, source),
                  kGenerationRefused);
        EXPECT_EQ(0, std::memcmp(&record, &before, sizeof record));
        EXPECT_EQ(nextRandom(), firstDraw);
    }
}

PuzzleRecord openRecordOn(int source) {
    PuzzleRecord record;
    resetRecord(record);
    std::memcpy(record.answerGrid, classAnswer(source), sizeof record.answerGrid);
    record.answerKnown = 1;
    return record;
}

TEST(PlaceRegionClues, EveryRowOfATableGetsAClue) {
    for (int source = kFirstRegionSource; source <= kLastRegionSource; ++source) {
        seedRandomWith(source);
        PuzzleRecord record = openRecordOn(source);
        const RegionTable table = regionTable(source);
        placeRegionClues(record, table.regions, kRegionRowsPerTable);
        for (int row = 0; row < kRegionRowsPerTable; ++row) {
            bool hasClue = false;
            for (int k = 0; k < table.regions[row][kRegionMaxCells]; ++k)
                hasClue |= isClue(record, table.regions[row][k]);
            ASSERT_TRUE(hasClue) << "source " << source << " row " << row;
        }
    }
}

TEST(CoverRowsAndColumns, RandomClueSetsKeepAtMostOneBareLineEach) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = openRecordOn(3);
        const int clues = chooseAmong(20);
        for (int i = 0; i < clues; ++i) record.openFlags[chooseAmong(kCells)] = 0;
        const PuzzleRecord before = record;
        coverRowsAndColumns(record);
        ASSERT_LE(bareLines(record, false), 1) << seed;
        ASSERT_LE(bareLines(record, true), 1) << seed;
        for (int cell = 0; cell < kCells; ++cell)
            ASSERT_TRUE(!isClue(before, cell) || isClue(record, cell)) << seed;
    }
}

// The tie-breaks: a Region's clue goes to one of the three cells its rows share
// most, equal counts taken by ascending index; a bare line's clue to the first
// of its boxes with the fewest clues (rows 0..2 or columns 0..2 are bare here,
// so the first two lines chosen fill the first two of three empty boxes).
TEST(PlaceRegionCluesAndCoverRowsAndColumns, BreakTiesAsDocumented) {
    const RegionRow rows[] = {{5, 17, 60, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}};
    int chosen[kCells] = {};
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = openRecordOn(2);
        placeRegionClues(record, rows, 1);
        for (int cell = 0; cell < kCells; ++cell) chosen[cell] += isClue(record, cell);
    }
    EXPECT_TRUE(chosen[5] > 0 && chosen[17] > 0 && chosen[60] > 0);
    EXPECT_EQ(chosen[5] + chosen[17] + chosen[60], 60);
    EXPECT_EQ(std::accumulate(chosen, chosen + kCells, 0), 60) << "one clue each time";

    for (bool columns : {false, true}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            seedRandomWith(seed);
            PuzzleRecord record = openRecordOn(6);
            for (int cell = 27; cell < kCells; ++cell)
                record.openFlags[columns ? 9 * (cell % 9) + cell / 9 : cell] = 0;
            const PuzzleRecord before = record;
            coverRowsAndColumns(record);
            int added[3] = {};
            for (int cell = 0; cell < kCells; ++cell) {
                if (isClue(record, cell) && !isClue(before, cell))
                    ++added[(columns ? rowOf(cell) : columnOf(cell)) / 3];
            }
            EXPECT_EQ(std::vector<int>(added, added + 3), (std::vector<int>{1, 1, 0})) << seed;
        }
    }
}

// The clues show the values of `present`; coverValues must add exactly the
// smallest missing ones until eight show.
TEST(CoverValues, AddsTheSmallestMissingValuesUpToEight) {
    const std::pair<std::vector<int>, uint32_t> kCases[] = {{{}, 0x1FE},
                                                            {{9}, 0x2FE},
                                                            {{1, 3, 5}, 0x1FE},
                                                            {{1, 2, 3, 4, 5, 6, 7}, 0x1FE},
                                                            {{2, 3, 4, 5, 6, 7, 8, 9}, 0x3FC},
                                                            {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 0x3FE}};
    for (const auto& [present, expected] : kCases) {
        seedRandomWith(static_cast<uint32_t>(present.size()));
        PuzzleRecord record = openRecordOn(7);
        for (int value : present)
            record.openFlags[std::find(record.answerGrid, record.answerGrid + kCells, value) -
                             record.answerGrid] = 0;
        coverValues(record);
        uint32_t shown = 0;
        int clues = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            if (isClue(record, cell)) shown |= 1u << record.answerGrid[cell];
            clues += isClue(record, cell);
        }
        EXPECT_EQ(shown, expected) << present.size();
        EXPECT_EQ(clues, std::max<int>(8, static_cast<int>(present.size())));
    }
}

}  // namespace
}  // namespace ga
