#include "generator/generation.h"

#include <gtest/gtest.h>

#include <cstring>
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
    switch (difficultyClass) {
        case 0:
            return source == kFreshSource;
        case 5:
            return source >= 10 && source <= 12;
        case 6:
            return source >= 11 && source <= 13;
        case 7:
            return source == 12 || source == 13;
        default:
            return source >= kFreshSource && source <= kLastRegionSource;
    }
}

int bareLines(const PuzzleRecord& record, bool columns) {
    int bare = 0;
    for (int line = 0; line < 9; ++line) {
        bool hasClue = false;
        for (int along = 0; along < 9; ++along) {
            hasClue |= isClue(record, columns ? 9 * along + line : 9 * line + along);
        }
        bare += !hasClue;
    }
    return bare;
}

int clueValueCount(const PuzzleRecord& record) {
    bool seen[10] = {};
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (isClue(record, cell) && !seen[record.answerGrid[cell]]) {
            seen[record.answerGrid[cell]] = true;
            ++count;
        }
    }
    return count;
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
        ASSERT_EQ(puzzle.valueGrid[cell], isClue(puzzle, cell) ? puzzle.answerGrid[cell] : 0)
            << cell;
        ASSERT_EQ(puzzle.candidateNumbers[cell], 0) << cell;
        openCells += puzzle.openFlags[cell];
    }

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

    EXPECT_EQ(testing::countAnswers(puzzle.valueGrid), 1);

    if (difficultyClass <= 4) {
        PuzzleRecord solved = puzzle;
        ProgressMeter meter;
        EXPECT_EQ(solveJob(solved, kPencilMarks, meter), kSolved);
        EXPECT_EQ(0, std::memcmp(solved.valueGrid, puzzle.answerGrid, sizeof solved.valueGrid));
        EXPECT_GE(clueValueCount(puzzle), 8);
        EXPECT_LE(bareLines(puzzle, false), 1);
        EXPECT_LE(bareLines(puzzle, true), 1);
    } else {
        const PuzzleRecord pattern = patternUnder(puzzle);
        for (int cell = 0; cell < kCells; ++cell) {
            if (isClue(pattern, cell)) {
                ASSERT_TRUE(isClue(puzzle, cell)) << cell;
            }
        }
    }

    if (sourceOf(puzzle) >= kFirstRegionSource) {
        PuzzleRecord rebuilt{};
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
    struct TableClasses {
        int firstSource, lastSource, firstClass, lastClass;
    };
    const TableClasses kUses[] = {{2, 9, 1, 4}, {10, 12, 5, 5}, {11, 13, 6, 6}, {12, 13, 7, 7}};
    uint32_t seed = 1;
    for (const TableClasses& use : kUses) {
        for (int source = use.firstSource; source <= use.lastSource; ++source) {
            for (int difficultyClass = use.firstClass; difficultyClass <= use.lastClass;
                 ++difficultyClass) {
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
}

TEST(Generation, RefusedRequestsDrawNothingAndLeaveTheRecord) {
    struct Request {
        int difficultyClass;
        int source;  // 0: generatePuzzle itself
    };
    const Request kRefused[] = {{-1, 0}, {8, 0}, {255, 0}, {0, 2},  {5, 9},
                                {4, 10}, {1, 1}, {7, 14},  {8, 13}, {5, 13}};
    for (const Request& request : kRefused) {
        SCOPED_TRACE(::testing::Message() << request.difficultyClass << " " << request.source);
        seedRandomWith(99);
        const uint32_t firstDraw = nextRandom();
        seedRandomWith(99);
        PuzzleRecord record;
        std::memset(&record, 0x33, sizeof record);
        const PuzzleRecord before = record;
        ProgressMeter meter;
        const int result =
            request.source == 0
                ? generatePuzzle(record, request.difficultyClass, meter)
                : buildPuzzleOnTable(record, request.difficultyClass, request.source);
        EXPECT_EQ(result, kGenerationRefused);
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
            for (int k = 0; k < table.regions[row][kRegionMaxCells]; ++k) {
                hasClue |= isClue(record, table.regions[row][k]);
            }
            ASSERT_TRUE(hasClue) << "source " << source << " row " << row;
        }
    }
}

TEST(PlaceRegionClues, ChoosesAmongTheFirstThreeCellsOfEqualCountByIndex) {
    const RegionRow rows[] = {{5, 17, 60, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}};
    bool chosen[kCells] = {};
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = openRecordOn(2);
        placeRegionClues(record, rows, 1);
        int clues = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            if (isClue(record, cell)) {
                chosen[cell] = true;
                ++clues;
            }
        }
        ASSERT_EQ(clues, 1);
    }
    EXPECT_TRUE(chosen[5] && chosen[17] && chosen[60]);
    EXPECT_FALSE(chosen[70]);
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
        for (int cell = 0; cell < kCells; ++cell) {
            if (isClue(before, cell)) {
                ASSERT_TRUE(isClue(record, cell));
            }
        }
    }
}

// Rows 0..2 (or columns 0..2) are the only bare lines: the first new clue goes
// to the leftmost (topmost) of three empty boxes, the second to the next one.
TEST(CoverRowsAndColumns, ThePlacedClueGoesToTheFirstBoxWithFewestClues) {
    for (bool columns : {false, true}) {
        for (uint32_t seed = 1; seed <= 30; ++seed) {
            seedRandomWith(seed);
            PuzzleRecord record = openRecordOn(6);
            for (int i = 3; i < 9; ++i) {
                for (int j = 0; j < 9; ++j) record.openFlags[columns ? 9 * j + i : 9 * i + j] = 0;
            }
            ASSERT_EQ(bareLines(record, columns), 3);
            ASSERT_EQ(bareLines(record, !columns), 0);
            const PuzzleRecord before = record;
            coverRowsAndColumns(record);
            int added[3] = {};
            for (int cell = 0; cell < kCells; ++cell) {
                if (isClue(record, cell) && !isClue(before, cell)) {
                    ++added[(columns ? rowOf(cell) : columnOf(cell)) / 3];
                }
            }
            EXPECT_EQ(added[0], 1) << seed;
            EXPECT_EQ(added[1], 1) << seed;
            EXPECT_EQ(added[2], 0) << seed;
        }
    }
}

TEST(CoverValues, AddsTheSmallestMissingValuesUpToEight) {
    struct Case {
        std::vector<int> present;
        int added;
    };
    const Case kCases[] = {{{}, 8},
                           {{9}, 7},
                           {{1, 3, 5}, 5},
                           {{1, 2, 3, 4, 5, 6, 7}, 1},
                           {{2, 3, 4, 5, 6, 7, 8, 9}, 0},
                           {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 0}};
    for (const Case& c : kCases) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            seedRandomWith(seed);
            PuzzleRecord record = openRecordOn(7);
            bool expected[10] = {};
            for (int value : c.present) {
                int cell = 0;
                while (record.answerGrid[cell] != value) ++cell;
                record.openFlags[cell] = 0;
                expected[value] = true;
            }
            for (int value = 1, toAdd = c.added; toAdd > 0; ++value) {
                if (!expected[value]) {
                    expected[value] = true;
                    --toAdd;
                }
            }
            coverValues(record);
            bool shown[10] = {};
            int clues = 0;
            for (int cell = 0; cell < kCells; ++cell) {
                if (isClue(record, cell)) {
                    shown[record.answerGrid[cell]] = true;
                    ++clues;
                }
            }
            EXPECT_EQ(clues, static_cast<int>(c.present.size()) + c.added);
            for (int value = 1; value <= 9; ++value)
                EXPECT_EQ(shown[value], expected[value]) << value;
        }
    }
}

}  // namespace
}  // namespace ga
