// The built-in tables, generation per class, transforms and serial numbers.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "core/random.h"
#include "generator/class_tables.h"
#include "generator/made_to_order.h"
#include "tests/generator/sound_puzzle.h"

namespace ga::testing {
namespace {

TEST(ClassTables, PatternsHaveExactlyTheirAnswerAndRegionRowsAreTrueRegions) {
    for (int source = kFirstPatternSource; source <= kLastPatternSource; ++source) {
        const PatternTable table = patternTable(source);
        ASSERT_EQ(*table.answerGrid, *classAnswer(source));
        Grid clues{}, answer{};
        for (int cell = 0; cell < kCells; ++cell)
            clues[cell] = (*table.openFlags)[cell] == 0 ? (*table.answerGrid)[cell] : 0;
        EXPECT_EQ(countAnswers(clues.data(), 2, answer.data()), 1) << source;
        EXPECT_EQ(answer, *table.answerGrid) << source;
    }
    for (int source = kFirstRegionSource; source <= kLastRegionSource; ++source) {
        const RegionTable table = regionTable(source);
        ASSERT_EQ(*table.answerGrid, *classAnswer(source));
        EXPECT_TRUE(isSolved(*table.answerGrid)) << source;
        EXPECT_EQ(regionRowsProblem(table.regions[0], kRegionRowsPerTable, kRegionMaxCells,
                                    *table.answerGrid),
                  "")
            << source;
    }
}

class EveryClass : public ::testing::TestWithParam<int> {};

TEST_P(EveryClass, MakesSoundPuzzlesOnEveryTableItMayUse) {
    const int difficultyClass = GetParam();
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        seedRandomWith(seed * 7919 + difficultyClass);
        PuzzleRecord puzzle;
        ProgressMeter meter;
        ASSERT_EQ(generatePuzzle(puzzle, difficultyClass, meter), kGenerated);
        expectSoundPuzzle(puzzle, difficultyClass);
    }
    const ClassPromise& promise = kPromises[difficultyClass];
    for (int source = std::max(2, promise.lowestSource); source <= promise.highestSource;
         ++source) {
        SCOPED_TRACE(source);
        seedRandomWith(source);
        PuzzleRecord puzzle;
        ASSERT_EQ(buildPuzzleOnTable(puzzle, difficultyClass, source), kGenerated);
        EXPECT_EQ(sourceOf(puzzle), source);
        expectSoundPuzzle(puzzle, difficultyClass);
    }
}

INSTANTIATE_TEST_SUITE_P(Generation, EveryClass, ::testing::Range(kLowestClass, kHighestClass + 1));

TEST(Generation, RefusedRequestsDrawNothingAndLeaveTheRecord) {
    // source 0: generatePuzzle itself
    const std::pair<int, int> refused[] = {{-1, 0}, {8, 0}, {0, 2},  {5, 9},
                                           {4, 10}, {1, 1}, {7, 14}, {5, 13}};
    for (auto [difficultyClass, source] : refused) {
        seedRandomWith(99);
        const uint32_t firstDraw = nextRandom();
        seedRandomWith(99);
        PuzzleRecord record, before;
        std::memset(&record, 0x33, sizeof record);
        before = record;
        ProgressMeter meter;
        EXPECT_EQ(source == 0 ? generatePuzzle(record, difficultyClass, meter)
                              : buildPuzzleOnTable(record, difficultyClass, source),
                  kGenerationRefused)
            << difficultyClass << " " << source;
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
        EXPECT_EQ(nextRandom(), firstDraw);
    }
}

// While two or more lines are bare, each gets a clue: at most one row and
// one column stay bare, and no clue is lost.
TEST(Generation, CoverRowsAndColumnsLeavesAtMostOneBareLine) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = puzzleWithAnswer(Grid{}, *classAnswer(3));
        for (int i = chooseAmong(20); i > 0; --i) record.openFlags[chooseAmong(kCells)] = 0;
        const PuzzleRecord before = record;
        coverRowsAndColumns(record);
        int rows[9] = {}, columns[9] = {};
        for (int cell = 0; cell < kCells; ++cell) {
            ASSERT_TRUE(record.openFlags[cell] == 0 || before.openFlags[cell] == 1) << seed;
            rows[cell / 9] += !record.openFlags[cell];
            columns[cell % 9] += !record.openFlags[cell];
        }
        EXPECT_LE(std::count(rows, rows + 9, 0), 1) << seed;
        EXPECT_LE(std::count(columns, columns + 9, 0), 1) << seed;
    }
}

TEST(Serial, ChecksRelabelFirstThenRangesInOrder) {
    const struct {
        SerialParts parts;
        int check;
    } cases[] = {
        {{123456789, 0x20000000, 0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF}, kSerialAccepted},
        {{987654321, 0xDFFFFFFF, 0, 0, 0}, kSerialAccepted},
        {{123456788, 0x20000000, 0, 0, 0}, kSerialIllegal},
        {{987654322, 0x20000000, 0, 0, 0}, kSerialIllegal},  // digit 2 twice
        {{102345678, 0x20000000, 0, 0, 0}, kSerialIllegal},  // a 0 among the lowest nine digits
        {{12345678, 0x20000000, 0, 0, 0}, kSerialIllegal},
        {{123456788, 0x10000000, 0x10000000, 0, 0}, kSerialIllegal},
        {{1123456789, 0x20000000, 0, 0, 0}, kSerialOutOfRange},  // legal digits, too large
        {{123456789, 0x1FFFFFFF, 0, 0, 0}, kSerialOutOfRange},   // a fresh answer
        {{123456789, 0xE0000000, 0, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0x10000000, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0, 0x10000000, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0, 0, 0xFFFFFFFF}, kSerialOutOfRange},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkSerial(c.parts), c.check) << std::hex << c.parts[0] << "-" << c.parts[1];
        PuzzleRecord record, before;
        std::memset(&record, 0x21, sizeof record);
        record.serial = c.parts;
        before = record;
        if (c.check != kSerialAccepted) {
            EXPECT_EQ(recreatePuzzle(record), c.check);
            EXPECT_EQ(record, before);
        }
    }
}

// The serial numbers of golden_serials.txt rebuild their puzzles.
TEST(Serial, GoldenSerialNumbersRebuildTheirPuzzles) {
    std::ifstream in(GA_GOLDEN_SERIALS);
    int count = 0;
    for (std::string line, serial, clues, answer; std::getline(in, line);) {
        if (line[0] == '#' || !(std::istringstream(line) >> serial >> clues >> answer)) continue;
        SCOPED_TRACE(serial);
        PuzzleRecord record, expected = puzzleWithAnswer(gridFromText(clues), gridFromText(answer));
        std::memset(&record, 0x7F, sizeof record);
        std::sscanf(serial.c_str(), "%X-%X-%X-%X-%X", &record.serial[0], &record.serial[1],
                    &record.serial[2], &record.serial[3], &record.serial[4]);
        expected.serial = record.serial;
        loadClues(expected);
        ASSERT_EQ(recreatePuzzle(record), 0);
        EXPECT_EQ(record, expected) << textOf(record.valueGrid);
        ++count;
    }
    EXPECT_EQ(count, 8);
}

// Only orders that no minimal puzzle can meet are refused before a try.
TEST(MadeToOrder, RefusesOnlyOrdersNoMinimalPuzzleMeets) {
    struct Row {
        Technique technique;
        bool anywhere;
        bool byLevel;
        Level level;
        bool refused;
    };
    const Row rows[] = {
        {Technique::kFullHouse, false, false, Level::kEasy, true},
        {Technique::kFullHouse, true, false, Level::kEasy, false},  // practising it
        {Technique::kHiddenSingle, false, true, Level::kEasy, false},
        {Technique::kJellyfish, false, true, Level::kHard, true},
        {Technique::kJellyfish, false, true, Level::kFiendish, false},
        {Technique::kXWing, false, true, Level::kExtreme, false},
    };
    for (const Row& row : rows) {
        PuzzleOrder order;
        order.byTechnique = true;
        order.technique = row.technique;
        order.techniqueAnywhere = row.anywhere;
        order.byLevel = row.byLevel;
        order.level = row.level;
        SCOPED_TRACE(techniqueInfo(row.technique).name);
        EXPECT_EQ(whyNoPuzzleMeets(order).empty(), !row.refused);
    }
}

}  // namespace
}  // namespace ga::testing
