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

PuzzleRecord replayed(uint32_t part2, const PuzzleRecord& start) {
    PuzzleRecord record = start;
    record.serial[kSourceAndTransformPart] = part2;
    replayTransforms(record);
    return record;
}

int at(const PuzzleRecord& record, int row, int column) {
    return record.answerGrid[9 * row + column];
}

TEST(Transforms, WholeGridMapsTakeTheDocumentedCells) {
    const PuzzleRecord start = indexRecord();
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            SCOPED_TRACE(::testing::Message() << "cell " << row << "," << column);
            EXPECT_EQ(at(replayed(0x1, start), row, column), 9 * (8 - column) + (8 - row));
            EXPECT_EQ(at(replayed(0x2, start), row, column), 9 * column + row);
            EXPECT_EQ(at(replayed(0x4, start), row, column), 9 * (8 - column) + row);
            // Both reflections together, possible only in a typed-in serial: a half turn.
            EXPECT_EQ(at(replayed(0x3, start), row, column), 9 * (8 - row) + (8 - column));
        }
    }
}

// Every swap bit with the lines it exchanges, written out rather than derived.
struct SwapCase {
    int bit;
    bool columns;
    int first[3];
    int second[3];
    int lines;
};
const SwapCase kSwaps[] = {
    {3, false, {0, 1, 2}, {3, 4, 5}, 3},
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
    {26, true, {7}, {8}, 1},
};

TEST(Transforms, EachSwapBitExchangesItsLines) {
    const PuzzleRecord start = indexRecord();
    for (const SwapCase& swap : kSwaps) {
        SCOPED_TRACE(::testing::Message() << "bit " << swap.bit);
        int expectedLine[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        for (int i = 0; i < swap.lines; ++i) {
            expectedLine[swap.first[i]] = swap.second[i];
            expectedLine[swap.second[i]] = swap.first[i];
        }
        const PuzzleRecord moved = replayed(1u << swap.bit, start);
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                const int from =
                    swap.columns ? 9 * row + expectedLine[column] : 9 * expectedLine[row] + column;
                ASSERT_EQ(at(moved, row, column), from) << row << "," << column;
            }
        }
    }
}

TEST(Transforms, OpenFlagsTravelWithTheAnswer) {
    const PuzzleRecord start = indexRecord();
    for (int bit = 0; bit < kTransformBits; ++bit) {
        const PuzzleRecord moved = replayed(1u << bit, start);
        for (int cell = 0; cell < kCells; ++cell) {
            ASSERT_EQ(moved.openFlags[cell], start.openFlags[moved.answerGrid[cell]]) << bit;
        }
    }
}

TEST(Transforms, RandomTransformsReplayToTheSameGrids) {
    const uint32_t sourceBits = 7u << 28;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = indexRecord();
        const PuzzleRecord start = record;
        record.serial[kSourceAndTransformPart] = sourceBits;
        transformAtRandom(record);
        const uint32_t part2 = record.serial[kSourceAndTransformPart];
        ASSERT_EQ(part2 & ~kTransformBitMask, sourceBits) << seed;
        ASSERT_LE(__builtin_popcount(part2 & 0x7), 1) << seed;

        const PuzzleRecord again = replayed(part2, start);
        ASSERT_EQ(0, std::memcmp(record.answerGrid, again.answerGrid, sizeof record.answerGrid));
        ASSERT_EQ(0, std::memcmp(record.openFlags, again.openFlags, sizeof record.openFlags));
    }
}

TEST(Transforms, RandomTransformsDrawOncePerSwapAfterTheWholeGridChoice) {
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        seedRandomWith(seed);
        PuzzleRecord record = indexRecord();
        transformAtRandom(record);
        const uint32_t next = nextRandom();
        // Whole-grid choice: one draw for none, two for the turn, three for a reflection.
        const uint32_t wholeGrid = record.serial[kSourceAndTransformPart] & 0x7;
        const int draws = 24 + (wholeGrid == 0 ? 1 : wholeGrid == 0x4 ? 2 : 3);
        seedRandomWith(seed);
        for (int i = 0; i < draws; ++i) nextRandom();
        EXPECT_EQ(nextRandom(), next) << seed;
    }
}

TEST(Relabel, FixedNumbersMapValuesByTheirDigits) {
    PuzzleRecord record{};
    std::memcpy(record.answerGrid, classAnswer(2), sizeof record.answerGrid);
    const PuzzleRecord start = record;

    record.serial[kRelabelPart] = 123456789;
    replayRelabel(record);
    EXPECT_EQ(0, std::memcmp(record.answerGrid, start.answerGrid, sizeof record.answerGrid));

    record.serial[kRelabelPart] = 987654321;
    replayRelabel(record);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(record.answerGrid[cell], 10 - start.answerGrid[cell]);
    }

    record = start;
    record.serial[kRelabelPart] = 234567891;  // every value one up, 9 to 1
    replayRelabel(record);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(record.answerGrid[cell], start.answerGrid[cell] % 9 + 1);
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
        ASSERT_GE(number, 123456789u);
        ASSERT_LE(number, 987654321u);
        ASSERT_EQ(isIllegalRelabelNumber(number), 0) << number;
        ASSERT_TRUE(isSolved(record.answerGrid));

        copy.serial[kRelabelPart] = number;
        replayRelabel(copy);
        ASSERT_EQ(0, std::memcmp(record.answerGrid, copy.answerGrid, sizeof record.answerGrid));
    }
}

}  // namespace
}  // namespace ga
