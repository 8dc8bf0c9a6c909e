// What follows from an assumption on a candidate board: the engine of the
// forcing chains. The board is held as nine bitboards (where each value can
// still go) so that an assumption is followed through singles in a few
// microseconds, without allocating: the forcing chains follow hundreds of
// assumptions for one step.
#pragma once

#include <cstdint>

#include "core/ladder/board.h"
#include "core/ladder/cell_set.h"

namespace ga {

struct Propagation {
    CellSet where[9];   // by value 0..8 (value 1..9): the empty cells it can still go to
    CellSet placed[9];  // by value 0..8: the cells holding it
    CellSet empty;      // the cells without a value
};

Propagation propagationOf(const LadderBoard& board);

// Why a propagation stopped: it reached no contradiction, or an empty cell with
// no candidate left, or a value with no place left in a unit.
enum class Contradiction : uint8_t { kNone, kNoCandidate, kNoPlace };

// One fact of a traced propagation: a value is (on) or is not (off) in a
// cell, and the fact it follows from (-1 for the assumption itself).
struct Fact {
    uint8_t cell;
    uint8_t value;  // 1..9
    bool on;
    int16_t parent;
    bool inner;  // a removal an inner chain found (deep propagation)
};

// The facts a propagation derived, in order, and where it ended: enough to
// tell the chain from the assumption to any conclusion.
struct PropagationTrace {
    static constexpr int kMaxFacts = kCells * 10;
    Fact facts[kMaxFacts];
    int count = 0;
    int16_t onFact[kCells];      // the fact placing a value in each cell, -1
    int16_t offFact[kCells][9];  // the fact removing each candidate, -1
    Contradiction contradiction = Contradiction::kNone;
    uint8_t contradictionCell = 0;   // kNoCandidate: the cell
    uint8_t contradictionUnit = 0;   // kNoPlace: the unit
    uint8_t contradictionValue = 0;  // kNoPlace: the value

    void reset();
    int16_t add(int cell, int value, bool on, int parent);
    // The chain of facts ending at `fact`, from the assumption on: its length,
    // the fact indexes written into `chain` (at most `capacity`, the last ones
    // kept when longer).
    int chainTo(int fact, int16_t* chain, int capacity) const;
    // The fact the contradiction follows from directly (the last removal that
    // emptied the cell or the unit).
    int contradictionFact() const;
};

// Places a value and follows singles (naked and hidden) to their end. False on
// a contradiction. With a trace, records every fact and how it ends; the
// assumption is the trace's first fact.
bool assumeValue(Propagation& state, int cell, int value, PropagationTrace* trace = nullptr);
// Removes a candidate and follows singles; false on a contradiction.
bool removeCandidate(Propagation& state, int cell, int value, PropagationTrace* trace = nullptr);

// Deep propagation: singles, and at `depth` d > 0, also every candidate whose
// assumption leads to a contradiction through deep propagation of depth d - 1
// is removed, until nothing more follows. Depth 0 is singles alone. The trace,
// when given, records the facts of this level; a removal found one level down
// rests on the whole board reached so far, so it is recorded as following
// from the assumption itself.
bool assumeValueDeep(Propagation& state, int cell, int value, int depth,
                     PropagationTrace* trace = nullptr);

// The value a propagation placed at a cell, 0 when it is still empty.
int placedValue(const Propagation& state, int cell);

}  // namespace ga
