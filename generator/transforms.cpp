#include "generator/transforms.h"

#include "core/random.h"

namespace ga {
namespace {

// For each transform bit and each cell of the result, the cell it is taken from.
struct SourceCells {
    uint8_t of[kTransformBits][kCells];
};

// The pairs a swap exchanges within a group of three, in bit order.
constexpr int kPairFirst[3] = {0, 0, 1};
constexpr int kPairSecond[3] = {1, 2, 2};

// The other member of the pair when index is in it; index itself otherwise.
constexpr int swapped(int index, int first, int second) {
    return index == first ? second : index == second ? first : index;
}

constexpr int sourceRow(int bit, int row, int column) {
    if (bit == kAntiDiagonalBit) return 8 - column;
    if (bit == kTransposeBit) return column;
    if (bit == kQuarterTurnBit) return 8 - column;
    if (bit < 6) {  // bands
        const int pair = bit - 3;
        return 3 * swapped(row / 3, kPairFirst[pair], kPairSecond[pair]) + row % 3;
    }
    if (bit >= 9 && bit < 18) {  // rows within band (bit - 9) / 3
        const int band = (bit - 9) / 3;
        const int pair = (bit - 9) % 3;
        return swapped(row, 3 * band + kPairFirst[pair], 3 * band + kPairSecond[pair]);
    }
    return row;
}

constexpr int sourceColumn(int bit, int row, int column) {
    if (bit == kAntiDiagonalBit) return 8 - row;
    if (bit == kTransposeBit) return row;
    if (bit == kQuarterTurnBit) return row;
    if (bit >= 6 && bit < 9) {  // stacks
        const int pair = bit - 6;
        return 3 * swapped(column / 3, kPairFirst[pair], kPairSecond[pair]) + column % 3;
    }
    if (bit >= 18) {  // columns within stack (bit - 18) / 3
        const int stack = (bit - 18) / 3;
        const int pair = (bit - 18) % 3;
        return swapped(column, 3 * stack + kPairFirst[pair], 3 * stack + kPairSecond[pair]);
    }
    return column;
}

constexpr SourceCells makeSourceCells() {
    SourceCells table{};
    for (int bit = 0; bit < kTransformBits; ++bit) {
        for (int cell = 0; cell < kCells; ++cell) {
            const int row = rowOf(cell);
            const int column = columnOf(cell);
            table.of[bit][cell] = static_cast<uint8_t>(9 * sourceRow(bit, row, column) +
                                                       sourceColumn(bit, row, column));
        }
    }
    return table;
}

constexpr SourceCells kSourceCells = makeSourceCells();

// Decimal place of perm[v] in the relabel number: perm[1] is the most
// significant of the nine digits.
constexpr uint32_t kDigitWeight[10] = {0,     100000000, 10000000, 1000000, 100000,
                                       10000, 1000,      100,      10,      1};

void relabel(PuzzleRecord& record, const int (&perm)[10]) {
    for (int32_t& value : record.answerGrid) {
        if (value >= 1 && value <= 9) value = perm[value];
    }
}

}  // namespace

void takeScratch(const PuzzleRecord& record, TransformScratch& scratch) {
    scratch.answerGrid = record.answerGrid;
    scratch.openFlags = record.openFlags;
}

void applyTransform(PuzzleRecord& record, TransformScratch& scratch, int bit) {
    const uint8_t* from = kSourceCells.of[bit];
    for (int cell = 0; cell < kCells; ++cell) {
        record.answerGrid[cell] = scratch.answerGrid[from[cell]];
        record.openFlags[cell] = scratch.openFlags[from[cell]];
    }
    takeScratch(record, scratch);
}

void transformAtRandom(PuzzleRecord& record) {
    TransformScratch scratch;
    takeScratch(record, scratch);
    uint32_t& part = record.serial[kSourceAndTransformPart];

    auto apply = [&](int bit) {
        applyTransform(record, scratch, bit);
        part += 1u << bit;
    };
    if (drawUnit() < 0.8) {
        if (drawUnit() < 0.67) {
            apply(drawUnit() < 0.5 ? kAntiDiagonalBit : kTransposeBit);
        } else {
            apply(kQuarterTurnBit);
        }
    }
    for (int bit = kFirstSwapBit; bit < kTransformBits; ++bit) {
        if (drawUnit() < 0.5) apply(bit);
    }
}

void replayTransforms(PuzzleRecord& record) {
    TransformScratch scratch;
    takeScratch(record, scratch);
    const uint32_t bits = record.serial[kSourceAndTransformPart];
    for (int bit = 0; bit < kTransformBits; ++bit) {
        if (bits & (1u << bit)) applyTransform(record, scratch, bit);
    }
}

void relabelAtRandom(PuzzleRecord& record) {
    int perm[10] = {};
    bool used[10] = {};
    for (int position = 9; position >= 1; --position) {
        int value;
        do {
            value = 1 + chooseAmong(9);
        } while (used[value]);
        used[value] = true;
        perm[position] = value;
    }
    relabel(record, perm);

    uint32_t number = 0;
    for (int v = 1; v <= 9; ++v) number += static_cast<uint32_t>(perm[v]) * kDigitWeight[v];
    record.serial[kRelabelPart] = number;
}

void replayRelabel(PuzzleRecord& record) {
    int perm[10] = {};
    uint32_t rest = record.serial[kRelabelPart];
    for (int position = 9; position >= 1; --position) {
        perm[position] = static_cast<int>(rest % 10);
        rest /= 10;
    }
    relabel(record, perm);
}

}  // namespace ga
