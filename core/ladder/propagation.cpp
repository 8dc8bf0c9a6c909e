#include "core/ladder/propagation.h"

#include <cstring>

#include "core/bits.h"

namespace ga {

namespace {

// The latest fact removing `value` (0..8) from any cell of `cells`, -1 when none.
int latestRemoval(const PropagationTrace& trace, CellSet cells, int value) {
    int latest = -1;
    for (int cell : cellsOf(cells)) {
        if (trace.offFact[cell][value] > latest) latest = trace.offFact[cell][value];
    }
    return latest;
}

// The latest fact removing any candidate of a cell but `keep` (0..8, or -1 for none kept).
int latestRemovalAt(const PropagationTrace& trace, int cell, int keep) {
    int latest = -1;
    for (int value = 0; value < 9; value++) {
        if (value != keep && trace.offFact[cell][value] > latest) {
            latest = trace.offFact[cell][value];
        }
    }
    return latest;
}

void removeTraced(Propagation& state, int cell, int value, int parent, PropagationTrace& trace) {
    state.where[value].remove(cell);
    trace.offFact[cell][value] = trace.add(cell, value + 1, false, parent);
}

// Puts `value` (0..8) into an empty cell holding it as a candidate.
void place(Propagation& state, int cell, int value, int parent, PropagationTrace* trace) {
    const CellSet peers = peersOf(cell);
    if (trace != nullptr) {
        const int on = trace->onFact[cell] = trace->add(cell, value + 1, true, parent);
        for (int other = 0; other < 9; other++) {
            if (other != value && state.where[other].has(cell)) {
                removeTraced(state, cell, other, on, *trace);
            }
        }
        for (int peer : cellsOf(state.where[value] & peers)) {
            removeTraced(state, peer, value, on, *trace);
        }
    }
    const CellSet others = ~CellSet::of(cell);
    for (CellSet& where : state.where) where &= others;
    state.where[value] &= ~peers;
    state.placed[value].add(cell);
    state.empty.remove(cell);
}

// Follows naked and hidden singles until none is left; false on a contradiction.
bool settle(Propagation& state, PropagationTrace* trace) {
    for (;;) {
        CellSet some, several;
        for (const CellSet& where : state.where) {
            several |= some & where;
            some |= where;
        }
        const CellSet stuck = state.empty & ~some;
        if (!stuck.empty()) {
            if (trace != nullptr) {
                trace->contradiction = Contradiction::kNoCandidate;
                trace->contradictionCell = static_cast<uint8_t>(stuck.first());
            }
            return false;
        }
        bool placedAny = false;
        for (int cell : cellsOf(some & ~several)) {
            for (int value = 0; value < 9; value++) {
                if (!state.where[value].has(cell)) continue;
                // A single placed earlier in this round may have taken the
                // candidate; the next round then finds the cell stuck.
                const int parent = trace ? latestRemovalAt(*trace, cell, value) : -1;
                place(state, cell, value, parent, trace);
                placedAny = true;
                break;
            }
        }
        for (int value = 0; value < 9; value++) {
            for (int unit = 0; unit < kUnits; unit++) {
                const CellSet places = state.where[value] & unitSet(unit);
                if (places.empty()) {
                    if ((state.placed[value] & unitSet(unit)).empty()) {
                        if (trace != nullptr) {
                            trace->contradiction = Contradiction::kNoPlace;
                            trace->contradictionUnit = static_cast<uint8_t>(unit);
                            trace->contradictionValue = static_cast<uint8_t>(value + 1);
                        }
                        return false;
                    }
                    continue;
                }
                if (places.count() != 1) continue;
                const int cell = places.first();
                const int parent = trace ? latestRemoval(*trace, unitSet(unit), value) : -1;
                place(state, cell, value, parent, trace);
                placedAny = true;
            }
        }
        if (!placedAny) return true;
    }
}

bool settleDeep(Propagation& state, int depth, PropagationTrace* trace) {
    if (!settle(state, trace)) return false;
    if (depth == 0) return true;
    for (bool changed = true; changed;) {
        changed = false;
        // Cells with fewest candidates first: their assumptions fail soonest.
        uint8_t sizes[kCells] = {};
        for (const CellSet& where : state.where) {
            for (int cell : cellsOf(where)) sizes[cell]++;
        }
        for (int size = 2; size <= 9; size++) {
            for (int cell : cellsOf(state.empty)) {
                if (sizes[cell] != size) continue;
                for (int value = 0; value < 9; value++) {
                    if (!state.where[value].has(cell)) continue;
                    Propagation trial = state;
                    place(trial, cell, value, -1, nullptr);
                    if (settleDeep(trial, depth - 1, nullptr)) continue;
                    if (trace != nullptr) {
                        removeTraced(state, cell, value, 0, *trace);
                        trace->facts[trace->offFact[cell][value]].inner = true;
                    } else {
                        state.where[value].remove(cell);
                    }
                    if (!settle(state, trace)) return false;
                    changed = true;
                    if (!state.empty.has(cell)) break;
                }
            }
        }
    }
    return true;
}

}  // namespace

Propagation propagationOf(const LadderBoard& board) {
    Propagation state;
    for (int cell = 0; cell < kCells; cell++) {
        if (board.values[cell] != 0) {
            state.placed[board.values[cell] - 1].add(cell);
            continue;
        }
        state.empty.add(cell);
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            state.where[lowestBitIndex(mask)].add(cell);
        }
    }
    return state;
}

void PropagationTrace::reset() {
    count = 0;
    std::memset(onFact, 0xff, sizeof onFact);
    std::memset(offFact, 0xff, sizeof offFact);
    contradiction = Contradiction::kNone;
}

int16_t PropagationTrace::add(int cell, int value, bool on, int parent) {
    if (count >= kMaxFacts) return static_cast<int16_t>(count - 1);
    facts[count] = {static_cast<uint8_t>(cell), static_cast<uint8_t>(value), on,
                    static_cast<int16_t>(parent), false};
    return static_cast<int16_t>(count++);
}

int PropagationTrace::chainTo(int fact, int16_t* chain, int capacity) const {
    int length = 0;
    for (int at = fact; at >= 0; at = facts[at].parent) length++;
    int index = length;
    for (int at = fact; at >= 0; at = facts[at].parent) {
        if (--index < capacity) chain[index] = static_cast<int16_t>(at);
    }
    return length;
}

int PropagationTrace::contradictionFact() const {
    if (contradiction == Contradiction::kNoCandidate) {
        return latestRemovalAt(*this, contradictionCell, -1);
    }
    if (contradiction == Contradiction::kNoPlace) {
        return latestRemoval(*this, unitSet(contradictionUnit), contradictionValue - 1);
    }
    return count - 1;
}

bool assumeValue(Propagation& state, int cell, int value, PropagationTrace* trace) {
    place(state, cell, value - 1, -1, trace);
    return settle(state, trace);
}

bool removeCandidate(Propagation& state, int cell, int value, PropagationTrace* trace) {
    if (trace != nullptr) {
        removeTraced(state, cell, value - 1, -1, *trace);
    } else {
        state.where[value - 1].remove(cell);
    }
    return settle(state, trace);
}

bool assumeValueDeep(Propagation& state, int cell, int value, int depth, PropagationTrace* trace) {
    place(state, cell, value - 1, -1, trace);
    return settleDeep(state, depth, trace);
}

int placedValue(const Propagation& state, int cell) {
    for (int value = 0; value < 9; value++) {
        if (state.placed[value].has(cell)) return value + 1;
    }
    return 0;
}

}  // namespace ga
