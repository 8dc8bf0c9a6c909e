// A set of the 81 cells as two 64-bit words: cells 0..63 in `low`, 64..80 in
// `high`. The human-style techniques ask "which cells see both of these" and
// "where can 5 go" all the time; as sets those are two ANDs.
#pragma once

#include <cstdint>

#include "core/puzzle_record.h"

namespace ga {

struct CellSet {
    uint64_t low = 0;
    uint64_t high = 0;

    static constexpr CellSet of(int cell) {
        CellSet set;
        if (cell < 64) {
            set.low = uint64_t{1} << cell;
        } else {
            set.high = uint64_t{1} << (cell - 64);
        }
        return set;
    }
    constexpr bool has(int cell) const {
        return cell < 64 ? (low >> cell) & 1 : (high >> (cell - 64)) & 1;
    }
    constexpr void add(int cell) { *this |= of(cell); }
    constexpr void remove(int cell) { *this &= ~of(cell); }
    constexpr bool empty() const { return (low | high) == 0; }
    constexpr int count() const { return __builtin_popcountll(low) + __builtin_popcountll(high); }
    // The lowest cell of a set that is not empty.
    constexpr int first() const {
        return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(high);
    }

    constexpr CellSet operator&(CellSet o) const { return {low & o.low, high & o.high}; }
    constexpr CellSet operator|(CellSet o) const { return {low | o.low, high | o.high}; }
    constexpr CellSet operator~() const { return {~low, ~high & kHighCells}; }
    constexpr CellSet& operator&=(CellSet o) { return *this = *this & o; }
    constexpr CellSet& operator|=(CellSet o) { return *this = *this | o; }
    constexpr bool operator==(CellSet o) const { return low == o.low && high == o.high; }
    constexpr bool operator!=(CellSet o) const { return !(*this == o); }

    static constexpr uint64_t kHighCells = (uint64_t{1} << (kCells - 64)) - 1;
};

// Visits each cell of a set in ascending order: for (int cell : cellsOf(set)).
struct CellSetIterator {
    CellSet rest;
    int operator*() const { return rest.first(); }
    CellSetIterator& operator++() {
        if (rest.low != 0) {
            rest.low &= rest.low - 1;
        } else {
            rest.high &= rest.high - 1;
        }
        return *this;
    }
    bool operator!=(const CellSetIterator& o) const { return rest != o.rest; }
};
struct CellsOf {
    CellSet set;
    CellSetIterator begin() const { return {set}; }
    CellSetIterator end() const { return {CellSet{}}; }
};
inline CellsOf cellsOf(CellSet set) {
    return {set};
}

struct CellSetTables {
    CellSet unit[kUnits];   // the nine cells of each unit (rows, columns, boxes)
    CellSet peers[kCells];  // the 20 cells sharing a unit with a cell, not the cell itself
};

constexpr CellSetTables makeCellSetTables() {
    CellSetTables t{};
    for (int unit = 0; unit < kUnits; unit++) {
        for (int p = 0; p < 9; p++) t.unit[unit].add(kUnitCells[unit][p]);
    }
    for (int cell = 0; cell < kCells; cell++) {
        for (int u = 0; u < 3; u++) t.peers[cell] |= t.unit[kCellUnits[cell][u]];
        t.peers[cell].remove(cell);
    }
    return t;
}

inline constexpr CellSetTables kCellSets = makeCellSetTables();

inline constexpr CellSet unitSet(int unit) {
    return kCellSets.unit[unit];
}
inline constexpr CellSet peersOf(int cell) {
    return kCellSets.peers[cell];
}
// The cells that see every cell of `cells` (a cell sees its peers).
inline CellSet commonPeers(CellSet cells) {
    CellSet seen = ~CellSet{};
    for (int cell : cellsOf(cells)) seen &= peersOf(cell);
    return seen;
}

}  // namespace ga
