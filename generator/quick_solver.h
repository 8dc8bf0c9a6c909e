// A small, fast exact search for making puzzles in bulk: bit masks, naked and
// hidden singles, and the cell with the fewest candidates to branch on. The
// design's own search (core/searches) stays the one of its commands; this one
// only answers the questions a generator asks thousands of times a second.
// Grids are 81 values row by row, 0 for an empty cell.
#pragma once

#include <cstdint>
#include <random>

#include "core/puzzle_record.h"

namespace ga {

using GridValues = uint8_t[kCells];

// The 20 cells that share a row, column or box with each cell.
struct PeerCells {
    uint8_t of[kCells][20];
};
constexpr PeerCells makePeerCells() {
    PeerCells t{};
    for (int cell = 0; cell < kCells; ++cell) {
        int n = 0;
        for (int other = 0; other < kCells; ++other) {
            if (other != cell && (rowOf(other) == rowOf(cell) ||
                                  columnOf(other) == columnOf(cell) || boxOf(other) == boxOf(cell)))
                t.of[cell][n++] = static_cast<uint8_t>(other);
        }
    }
    return t;
}
inline constexpr PeerCells kPeerCells = makePeerCells();

// Whether the givens have an answer in which `cell` does not hold `value`;
// `other`, when given, receives the first such answer found.
bool quickAnswerWithout(const GridValues grid, int cell, int value, uint8_t* other = nullptr);

// A full grid drawn at random from `random`.
void quickRandomGrid(std::mt19937_64& random, GridValues grid);

}  // namespace ga
