// Named bit tricks on value masks and position masks.
//
// A ValueMask holds values 1..9 in bits 0..8 (bit v - 1 for value v); a
// position mask holds positions 0..8 of a unit the same way. Each trick gets a
// small function whose parameter name states what it requires.
#pragma once

#include <cstdint>

namespace ga {

constexpr uint32_t kAllValues = 511;  // all nine values 1..9

// Bit of value v; v must be 1..9.
constexpr uint32_t bitOfValue(int valueOneToNine) {
    return 1u << (valueOneToNine - 1);
}

constexpr int countBits(uint32_t mask) {
    return __builtin_popcount(mask);
}

// Index of the lowest set bit.
constexpr int lowestBitIndex(uint32_t nonzeroMask) {
    return __builtin_ctz(nonzeroMask);
}

// Index of the highest set bit.
constexpr int highestBitIndex(uint32_t nonzeroMask) {
    return 31 - __builtin_clz(nonzeroMask);
}

// The mask with its lowest set bit cleared.
constexpr uint32_t withoutLowestBit(uint32_t mask) {
    return mask & (mask - 1);
}

// True when exactly one bit is set.
constexpr bool isSingleBit(uint32_t mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// The value 1..9 whose bit is the only one set.
constexpr int valueOfSingleBit(uint32_t singleBitMask) {
    return lowestBitIndex(singleBitMask) + 1;
}

}  // namespace ga
