// The strong and weak links between the candidates of a board, made once per
// board state and shared by the chains. A node is a value in one cell, or in
// the two or three cells of a box that share a row or column (a grouped node:
// "the value is in one of these cells"). A strong link joins two nodes of
// which at least one is true (the only two places of a value in a unit, the
// only two values of a cell); a weak link joins two that cannot both be true.
#pragma once

#include <cstdint>

#include "core/ladder/board.h"
#include "core/ladder/cell_set.h"

namespace ga {

struct LinkNode {
    CellSet cells;   // one cell, or two or three cells of a box on one line
    CellSet seenBy;  // the cells that see every cell of the node
    uint8_t value;   // 1..9
    uint8_t cellCount;
    uint8_t cells3[3];  // the cells in ascending order
};

struct LinkGraph {
    static constexpr int kMaxNodes = kCells * 9 + 9 * 54;
    static constexpr int kMaxStrong = kMaxNodes * 8;
    static constexpr int kMaxWeak = kMaxNodes * 40;

    int nodeCount = 0;
    LinkNode nodes[kMaxNodes];
    int16_t candidateNode[kCells][9];  // the node of a value (0..8) in a cell, -1

    // The neighbours of node n are list[start[n]] .. list[start[n + 1] - 1].
    // Weak links lead only to nodes that have a strong link: a chain must go on
    // from a node it has just turned off.
    int strongStart[kMaxNodes + 1];
    uint16_t strong[kMaxStrong];
    int weakStart[kMaxNodes + 1];
    uint16_t weak[kMaxWeak];

    int strongCount(int node) const { return strongStart[node + 1] - strongStart[node]; }
    // The cells where `value` (1..9) cannot be if `node` is true.
    CellSet excludes(int node, int value) const {
        const LinkNode& n = nodes[node];
        if (n.value == value) return n.seenBy;
        return n.cellCount == 1 ? n.cells : CellSet{};
    }
};

}  // namespace ga
