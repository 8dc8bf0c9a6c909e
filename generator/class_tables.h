// The twelve built-in base puzzles, named by their source number:
//
//   2..9    region tables: a complete answer and 1020 Regions of it, which
//           steer where generation places its first clues;
//   10..13  pattern tables: a complete answer and a clue pattern with a
//           unique answer.
//
// A serial number names only the source, so recreation depends on these
// answers and patterns never changing.
#pragma once

#include <cstdint>

#include "core/puzzle_record.h"

namespace ga {

constexpr int kFirstRegionSource = 2;
constexpr int kLastRegionSource = 9;
constexpr int kFirstPatternSource = 10;
constexpr int kLastPatternSource = 13;

constexpr int kRegionRowsPerTable = 1020;
// The Region rows of the tables and of generation: 16 cell slots and a count.
constexpr int kRegionMaxCells = 16;
constexpr int kRegionRowWidth = kRegionMaxCells + 1;

using RegionRow = int32_t[kRegionRowWidth];

struct RegionTable {
    const Grid* answerGrid;
    const RegionRow* regions;  // kRegionRowsPerTable rows, sorted by count
};

struct PatternTable {
    const Grid* answerGrid;
    const Grid* openFlags;  // 0 = clue, 1 = open
};

constexpr bool isRegionSource(int source) {
    return source >= kFirstRegionSource && source <= kLastRegionSource;
}
constexpr bool isPatternSource(int source) {
    return source >= kFirstPatternSource && source <= kLastPatternSource;
}

// The answer grid of source 2..13; null for any other source.
const Grid* classAnswer(int source);

// Source 2..9; both pointers null for any other source.
RegionTable regionTable(int source);

// Source 10..13; both pointers null for any other source.
PatternTable patternTable(int source);

}  // namespace ga
