#include "core/subset_graph.h"

#include "core/bits.h"

// Why the closed sets are all there is to visit.
//
// Take a combination C whose confined values V number exactly |C| and one of
// whose cells holds a value outside V. A confinable value is confined to C
// when all its slots lie in C, so the slots of V, N(V), lie in C. When every
// confinable value has a slot of its own in a matching, |N(V)| >= |V| = |C|,
// hence C = N(V): C has no cell without candidates, and its cells are exactly
// the slots matched to V. So V is closed: every slot of a value of V is
// matched to a value of V (and matched at all). Conversely, for a closed V the
// values confined to N(V) are exactly V (a value outside V is matched outside
// N(V)), so N(V) is such a combination when 2 <= |V| <= openCells - 1 and one
// of its slots holds a value outside V.
//
// Closed sets are the unions of closures: the closure of u is u and, again and
// again, the values matched to the slots of the values already in it. A
// closure that reaches a value with an unmatched slot is in no closed set.
//
// A removal takes values outside V out of slots matched to V: no value loses
// its own matched slot, so the matching stays whole and only the closures
// shrink. The walk recomputes them after every removal and goes on after the
// combination it acted on, as the walk over all combinations does.

namespace ga {

namespace {

struct Matching {
    int valueInSlot[9];          // -1 for an unmatched slot
    uint32_t valueBitInSlot[9];  // the bit of that value, 0 for an unmatched slot
    int slotOfValue[9];          // for each confinable value
    uint32_t matchedSlots;
};

// Kuhn's augmenting path: finds `value` a slot, moving earlier values along.
// Returns the slot that became matched, or -1.
int augment(const SubsetGraph& g, int value, Matching& m, uint32_t& visited) {
    for (uint32_t slots = g.slotsOf[value] & ~visited; slots != 0;
         slots = g.slotsOf[value] & ~visited) {
        int slot = lowestBitIndex(slots);
        visited |= 1u << slot;
        int holder = m.valueInSlot[slot];
        int freed = holder < 0 ? slot : augment(g, holder, m, visited);
        if (freed >= 0) {
            m.valueInSlot[slot] = value;
            m.valueBitInSlot[slot] = 1u << value;
            m.slotOfValue[value] = slot;
            return freed;
        }
    }
    return -1;
}

bool matchEveryValue(const SubsetGraph& g, Matching& m) {
    for (int i = 0; i < 9; i++) {
        m.valueInSlot[i] = -1;
        m.valueBitInSlot[i] = 0;
    }
    m.matchedSlots = 0;
    // Most values find a free slot at once; the others move earlier ones along.
    uint32_t waiting = 0;
    for (uint32_t values = g.confinable; values != 0; values = withoutLowestBit(values)) {
        int v = lowestBitIndex(values);
        uint32_t free = g.slotsOf[v] & ~m.matchedSlots;
        if (free == 0) {
            waiting |= 1u << v;
            continue;
        }
        int slot = lowestBitIndex(free);
        m.valueInSlot[slot] = v;
        m.valueBitInSlot[slot] = 1u << v;
        m.slotOfValue[v] = slot;
        m.matchedSlots |= 1u << slot;
    }
    for (; waiting != 0; waiting = withoutLowestBit(waiting)) {
        uint32_t visited = 0;
        int freed = augment(g, lowestBitIndex(waiting), m, visited);
        if (freed < 0) return false;
        m.matchedSlots |= 1u << freed;
    }
    return true;
}

struct Closures {
    uint32_t of[9];     // per confinable value: its closure (value bits)
    uint32_t closable;  // values whose closure is closed (reaches no unmatched slot)
    bool holdsMore;     // some closable value's slot holds a value outside its closure
};

// The closures, one per strongly connected group of values (the values that
// reach each other share their closure): the group of u is what u reaches
// and what reaches u. Forward, a value leads to the values matched to its
// slots: the walk goes from slot to slot, from a slot to the slots of the value
// matched to it, and the closure is the values matched to the slots reached;
// an unmatched slot reached means a value with a slot nobody is matched to,
// which no closed set holds. Backward, the values holding a value's own slot
// lead to it.
//
// A closed set contains the closure of each of its values, and a value outside
// the set is outside that closure too; so when no closable value's slot holds a
// value outside its closure, no closed set holds a value outside itself.
void findClosures(const SubsetGraph& g, const Matching& m, Closures& c) {
    c.closable = 0;
    c.holdsMore = false;
    for (uint32_t left = g.confinable; left != 0;) {
        int u = lowestBitIndex(left);
        uint32_t slots = 1u << m.slotOfValue[u];
        for (uint32_t frontier = slots; frontier != 0;) {
            uint32_t next = 0;
            for (; frontier != 0; frontier = withoutLowestBit(frontier)) {
                int value = m.valueInSlot[lowestBitIndex(frontier)];
                if (value >= 0) next |= g.slotsOf[value];
            }
            frontier = next & ~slots;
            slots |= next;
        }
        uint32_t closure = 0;
        for (uint32_t rest = slots; rest != 0; rest = withoutLowestBit(rest))
            closure |= m.valueBitInSlot[lowestBitIndex(rest)];
        uint32_t reaching = 1u << u;
        for (uint32_t frontier = reaching; frontier != 0;) {
            uint32_t next = 0;
            for (; frontier != 0; frontier = withoutLowestBit(frontier))
                next |= g.slotMask[m.slotOfValue[lowestBitIndex(frontier)]];
            next &= g.confinable;
            frontier = next & ~reaching;
            reaching |= next;
        }
        uint32_t group = closure & reaching;
        uint32_t held = 0;
        for (uint32_t members = group; members != 0; members = withoutLowestBit(members)) {
            int member = lowestBitIndex(members);
            c.of[member] = closure;
            held |= g.slotMask[m.slotOfValue[member]];
        }
        if ((slots & ~m.matchedSlots) == 0) {
            c.closable |= group;
            if (held & ~closure) c.holdsMore = true;
        }
        left &= ~group;
    }
}

uint32_t slotsMatchedTo(uint32_t values, const Matching& m) {
    uint32_t slots = 0;
    for (; values != 0; values = withoutLowestBit(values))
        slots |= 1u << m.slotOfValue[lowestBitIndex(values)];
    return slots;
}

uint32_t valuesHeldIn(uint32_t slots, const SubsetGraph& g) {
    uint32_t held = 0;
    for (; slots != 0; slots = withoutLowestBit(slots)) held |= g.slotMask[lowestBitIndex(slots)];
    return held;
}

// The order of the combinations: fewer cells first, then lexicographic on the
// ascending slots, where the set holding the lowest slot of the two sets'
// difference comes first.
bool comesBefore(uint32_t a, uint32_t b) {
    int sizeA = countBits(a), sizeB = countBits(b);
    if (sizeA != sizeB) return sizeA < sizeB;
    uint32_t difference = a ^ b;
    return (a & difference & (0u - difference)) != 0;
}

// The first combination after `after` (0: before all) that the step acts on,
// as the closed value set it confines; 0 when there is none.
uint32_t nextClosedSet(const SubsetGraph& g, const Matching& m, const Closures& c, int openCells,
                       uint32_t after) {
    // Every union of closures of closable values, each once.
    uint16_t sets[512];
    uint64_t seen[8] = {1};  // the empty set
    int count = 1;
    sets[0] = 0;
    for (uint32_t values = c.closable; values != 0; values = withoutLowestBit(values)) {
        uint32_t closure = c.of[lowestBitIndex(values)];
        for (int i = 0, known = count; i < known; i++) {
            uint32_t set = sets[i] | closure;
            if (seen[set >> 6] & (1ull << (set & 63))) continue;
            seen[set >> 6] |= 1ull << (set & 63);
            sets[count++] = static_cast<uint16_t>(set);
        }
    }
    uint32_t best = 0, bestSlots = 0;
    for (int i = 1; i < count; i++) {
        uint32_t set = sets[i];
        int k = countBits(set);
        if (k < 2 || k > openCells - 1) continue;
        uint32_t slots = slotsMatchedTo(set, m);
        if ((valuesHeldIn(slots, g) & ~set) == 0) continue;
        if (after != 0 && !comesBefore(after, slots)) continue;
        if (best == 0 || comesBefore(slots, bestSlots)) {
            best = set;
            bestSlots = slots;
        }
    }
    return best;
}

// Acts on the closed sets in the order of their combinations, as long as one
// is left after the last acted on.
__attribute__((noinline)) void walkClosedSets(SubsetGraph& g, const Matching& m, Closures& c,
                                              int openCells) {
    uint32_t after = 0;  // the slots of the last combination acted on
    for (;;) {
        uint32_t set = nextClosedSet(g, m, c, openCells, after);
        if (set == 0) break;
        uint32_t slots = slotsMatchedTo(set, m);
        for (uint32_t rest = slots; rest != 0; rest = withoutLowestBit(rest)) {
            int slot = lowestBitIndex(rest);
            uint32_t lost = g.slotMask[slot] & ~set;
            g.slotMask[slot] &= set;
            for (lost &= g.confinable; lost != 0; lost = withoutLowestBit(lost))
                g.slotsOf[lowestBitIndex(lost)] &= ~(1u << slot);
        }
        after = slots;
        findClosures(g, m, c);
        if (!c.holdsMore) break;
    }
}

}  // namespace

GraphStep hiddenSubsetsByMatching(SubsetGraph& g, int openCells) {
    if (countBits(g.confinable) < 2) return GraphStep::kNoRemoval;
    Matching m;
    if (!matchEveryValue(g, m)) return GraphStep::kTooFewCells;
    Closures c;
    findClosures(g, m, c);
    if (!c.holdsMore) return GraphStep::kNoRemoval;
    uint32_t before[9];
    for (int slot = 0; slot < 9; slot++) before[slot] = g.slotMask[slot];
    walkClosedSets(g, m, c, openCells);
    for (int slot = 0; slot < 9; slot++) {
        if (g.slotMask[slot] != before[slot]) return GraphStep::kRemoved;
    }
    return GraphStep::kNoRemoval;
}

}  // namespace ga
