#include "generator/transforms.h"

#include <gtest/gtest.h>

#include <cstring>

#include "generator/class_tables.h"
#include "generator/random.h"
#include "generator/serial.h"

namespace ga {
namespace {

// answerGrid holds each cell's own index, so a moved grid names where every
// cell came from; openFlags holds a pattern that must travel with it.
PuzzleRecord indexRecord() {
    PuzzleRecord record{};
    for (int cell = 0; cell < kCells; ++cell) {
        record.answerGrid[cell] = cell;
        record.openFlags[cell] = (cell * 7 + cell / 9) % 3 == 0 ? 1 : 0;
    }
    return record;
}

// The index record replayed with part 2 of the serial; openFlags must have
// moved as answerGrid did.
PuzzleRecord replayed(uint32_t part2) {
    const PuzzleRecord start = indexRecord();
    PuzzleRecord record = start;
    record.serial[kSourceAndTransformPart] = part2;
    replayTransforms(record);
    for (int cell = 0; cell < kCells; ++cell) {
        const int from = record.answerGrid[cell];
        EXPECT_TRUE(from >= 0 && from < kCells && record.openFlags[cell] == start.openFlags[from])
            << "part 2 " << part2 << " cell " << cell;
    }
    return record;
}

TEST(Transforms, WholeGridMapsTakeTheDocumentedCells) {
    const PuzzleRecord antiDiagonal = replayed(0x1), transposed = replayed(0x2),
                       turned = replayed(0x4), both = replayed(0x3);
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int cell = 9 * row + column;
            EXPECT_EQ(antiDiagonal.answerGrid[cell], 9 * (8 - column) + (8 - row)) << cell;
            EXPECT_EQ(transposed.answerGrid[cell], 9 * column + row) << cell;
            EXPECT_EQ(turned.answerGrid[cell], 9 * (8 - column) + row) << cell;
            // Both reflections together, possible only in a typed-in serial: a half turn.
            EXPECT_EQ(both.answerGrid[cell], 9 * (8 - row) + (8 - column)) << cell;
        }
    }
}

// Every swap bit with the lines it exchanges, written out rather than derived.
struct SwapCase {
    int bit;
    bool columns;
    int first[3], second[3];
    int lines;
};
const SwapCase kSwaps[] = {{3, false, {0, 1, 2}, {3, 4, 5}, 3},
                           {4, false, {0, 1, 2}, {6, 7, 8}, 3},
                           {5, false, {3, 4, 5}, {6, 7, 8}, 3},
                           {6, true, {0, 1, 2}, {3, 4, 5}, 3},
                           {7, true, {0, 1, 2}, {6, 7, 8}, 3},
                           {8, true, {3, 4, 5}, {6, 7, 8}, 3},
                           {9, false, {0}, {1}, 1},
                           {10, false, {0}, {2}, 1},
                           {11, false, {1}, {2}, 1},
                           {12, false, {3}, {4}, 1},
                           {13, false, {3}, {5}, 1},
                           {14, false, {4}, {5}, 1},
                           {15, false, {6}, {7}, 1},
                           {16, false, {6}, {8}, 1},
                           {17, false, {7}, {8}, 1},
                           {18, true, {0}, {1}, 1},
                           {19, true, {0}, {2}, 1},
                           {20, true, {1}, {2}, 1},
                           {21, true, {3}, {4}, 1},
                           {22, true, {3}, {5}, 1},
                           {23, true, {4}, {5}, 1},
                           {24, true, {6}, {7}, 1},
                           {25, true, {6}, {8}, 1},
                           {26, true, {7}, {8}, 1}};

TEST(Transforms, EachSwapBitExchangesItsLines) {
    for (const SwapCase& swap : kSwaps) {
        int line[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        for (int i = 0; i < swap.lines; ++i) std::swap(line[swap.first[i]], line[swap.second[i]]);
        const PuzzleRecord moved = replayed(1u << swap.bit);
        for (int cell = 0; cell < kCells; ++cell) {
            const int row = cell / 9, column = cell % 9;
            ASSERT_EQ(moved.answerGrid[cell],
                      swap.columns ? 9 * row + line[column] : 9 * line[row] + column)
                << "bit " << swap.bit << " cell " << cell;
        }
    }
}

// Generation draws once for no whole-grid transform, twice for the turn, three
// times for a reflection, then once per swap.
TEST(Transforms, RandomTransformsDrawAsDocumentedAndReplayToTheSameGrids) {
    const uint32_t sourceBits = 7u << 28;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = indexRecord();
        record.serial[kSourceAndTransformPart] = sourceBits;
        transformAtRandom(record);
        const uint32_t next = nextRandom();
        const uint32_t part2 = record.serial[kSourceAndTransformPart];
        ASSERT_EQ(part2 & ~kTransformBitMask, sourceBits) << seed;
        const uint32_t wholeGrid = part2 & 0x7;
        ASSERT_TRUE(wholeGrid == 0 || wholeGrid == 1 || wholeGrid == 2 || wholeGrid == 4) << seed;

        seedRandomWith(seed);
        for (int i = 0; i < 24 + (wholeGrid == 0 ? 1 : wholeGrid == 0x4 ? 2 : 3); ++i) nextRandom();
        EXPECT_EQ(nextRandom(), next) << seed;
        const PuzzleRecord again = replayed(part2);
        ASSERT_EQ(0, std::memcmp(record.answerGrid, again.answerGrid, sizeof record.answerGrid));
        ASSERT_EQ(0, std::memcmp(record.openFlags, again.openFlags, sizeof record.openFlags));
    }
}

TEST(Relabel, FixedNumbersMapValuesByTheirDigits) {
    const int32_t* answer = classAnswer(2);
    const struct {
        uint32_t number;
        int (*map)(int);
    } cases[] = {{123456789, [](int v) { return v; }},
                 {987654321, [](int v) { return 10 - v; }},
                 {234567891, [](int v) { return v % 9 + 1; }}};
    for (const auto& c : cases) {
        PuzzleRecord record{};
        std::memcpy(record.answerGrid, answer, sizeof record.answerGrid);
        record.serial[kRelabelPart] = c.number;
        replayRelabel(record);
        for (int cell = 0; cell < kCells; ++cell)
            ASSERT_EQ(record.answerGrid[cell], c.map(answer[cell])) << c.number;
    }
}

TEST(Relabel, RandomRelabelReplaysAndRecordsAPermutation) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record{};
        std::memcpy(record.answerGrid, classAnswer(5), sizeof record.answerGrid);
        PuzzleRecord copy = record;
        relabelAtRandom(record);

        const uint32_t number = record.serial[kRelabelPart];
        ASSERT_TRUE(number >= 123456789u && number <= 987654321u) << number;
        ASSERT_EQ(isIllegalRelabelNumber(number), 0) << number;
        ASSERT_TRUE(isSolved(record.answerGrid));
        copy.serial[kRelabelPart] = number;
        replayRelabel(copy);
        ASSERT_EQ(0, std::memcmp(record.answerGrid, copy.answerGrid, sizeof record.answerGrid));
    }
}

}  // namespace
}  // namespace ga
