// One step of the human-style ladder as plain data: what it places or
// eliminates, and what it rests on (cells, units, a chain's nodes). The words
// and the highlighting are made from it, never stored in it.
#pragma once

#include <cstdint>

#include "core/ladder/cell_set.h"
#include "core/ladder/techniques.h"
#include "core/puzzle_record.h"

namespace ga {

// A node of a chain: a value in one cell, or in two or three cells of one box
// that share a row or column (a grouped node), either on ("r1c1=5": the value
// is there) or off ("r1c7≠5": it is not).
struct ChainNode {
    uint8_t value = 0;  // 1..9
    bool on = false;
    bool startsBranch = false;  // a forcing chain's next branch begins here
    bool inner = false;         // a nested forcing chain's inner chain removed it (an off node)
    uint8_t cellCount = 0;      // 1..3
    uint8_t cells[3] = {};
};

// An almost locked set a step rests on: cells of one unit holding one
// candidate more than there are cells, and the value it shares with the next
// set so that the two cannot both hold it (for the last set, 0, or the second
// such value of a pair of sets linked twice).
struct StepSet {
    CellSet cells;
    uint16_t values = 0;  // ValueMask of its candidates
    uint8_t link = 0;
};

// The node of a value in one cell.
inline ChainNode cellNode(int cell, int value, bool on) {
    ChainNode node;
    node.value = static_cast<uint8_t>(value);
    node.on = on;
    node.cellCount = 1;
    node.cells[0] = static_cast<uint8_t>(cell);
    return node;
}

// How much a step's words may say: what fits the status box (a long chain's
// tail counted, not told), or the whole step.
enum class StepWords { kFitted, kWhole };

constexpr int kMaxStepUnits = 8;
constexpr int kMaxStepSets = 3;
constexpr int kMaxChainNodes = 64;
constexpr int kNoCell = 255;

struct LadderStep {
    Technique technique = Technique::kNone;

    // What it does: a placement, eliminations, or both left empty (kNone).
    uint8_t placedCell = kNoCell;
    uint8_t placedValue = 0;
    uint16_t eliminations[kCells] = {};  // ValueMask each cell loses

    // What it rests on.
    uint16_t values = 0;  // ValueMask of the value or values concerned
    CellSet cells;        // the cells it rests on, tinted by the full hint
    // Units it rests on: for fish the base units first, then the cover units;
    // for locked candidates the unit it is locked in, then the one that loses.
    uint8_t unitCount = 0;
    uint8_t baseUnitCount = 0;
    uint8_t units[kMaxStepUnits] = {};
    uint8_t nodeCount = 0;
    ChainNode nodes[kMaxChainNodes];
    uint8_t setCount = 0;
    StepSet sets[kMaxStepSets];

    void eliminate(int cell, uint32_t valueMask) {
        eliminations[cell] = static_cast<uint16_t>(eliminations[cell] | valueMask);
    }
    void addUnit(int unit) {
        if (unitCount < kMaxStepUnits) units[unitCount++] = static_cast<uint8_t>(unit);
    }
    bool addNode(const ChainNode& node) {
        if (nodeCount >= kMaxChainNodes) return false;
        nodes[nodeCount++] = node;
        return true;
    }
};

}  // namespace ga
