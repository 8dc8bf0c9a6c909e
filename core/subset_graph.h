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

}  // namespace ga
