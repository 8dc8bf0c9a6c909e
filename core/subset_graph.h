// The hidden-subset step of one unit, taken on the graph of its values and the
// cells that hold them instead of on every combination of cells.
//
// A value is confinable when its position list is not empty and every cell of
// the list still holds it (a hidden single can take a value out of a cell
// without taking the cell out of the list; such a value is never confined).
// With a matching that gives every confinable value a cell of its own, the
// combinations that the step acts on are exactly the cell sets of the closed
// value sets (see subset_graph.cpp), so the step visits those few sets in the
// order of the combinations and makes the same removals in the same order.
#pragma once

#include <cstdint>

namespace ga {

// A unit's cells as slots 0..8, numbered in the order of the unit's open cells
// (any slot that is not an open cell with candidates holds nothing).
struct SubsetGraph {
    uint32_t slotMask[9];  // ValueMask of each slot
    uint32_t confinable;   // bit v - 1 for each confinable value v
    uint32_t slotsOf[9];   // per confinable value (index v - 1): the slots holding it
};

enum class GraphStep {
    kNoRemoval,    // the step removes nothing; the graph is untouched
    kRemoved,      // removals made in slotMask and slotsOf, in the order of the step
    kTooFewCells,  // some confinable values share fewer cells than they are: the
                   // combinations must decide; the graph is untouched
};

// The hidden-subset step over the combinations of k = 2 .. openCells - 1 of the
// unit's open cells, openCells counting the open cells without candidates too.
GraphStep hiddenSubsetsByMatching(SubsetGraph& graph, int openCells);

// The same step's other way, for a unit where the graph cannot decide: for
// every set E of the unit's live cells (its open cells with candidates, a bit
// each), the values confined to E (every cell of the value lies in E) and the
// values E's cells hold, so that a walk over the combinations in order only
// looks each one up.
struct SubsetTables {
    uint64_t confinedWords[128];  // 16-bit lane e: values confined to E
    uint64_t heldWords[128];      // 16-bit lane e: values the cells of E hold

    // cellsOf[v]: the live cells of value v + 1 when it can be confined, else
    // 0; cellValues[i]: the values live cell i holds; cellCount up to 9.
    void fill(const uint32_t* cellsOf, const uint32_t* cellValues, int cellCount);
    uint32_t confined(uint32_t e) const { return lane(confinedWords, e); }
    uint32_t held(uint32_t e) const { return lane(heldWords, e); }
    static uint32_t lane(const uint64_t* words, uint32_t e) {
        return static_cast<uint32_t>(words[e >> 2] >> (16 * (e & 3))) & 0xFFFF;
    }
};

}  // namespace ga
