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

// The closed closures, each once, with what the closed sets built from them
// need: their slots (the slots matched to their values) and the values those
// slots hold.
struct Closures {
    int count;
    uint32_t values[9];
    uint32_t slots[9];
    uint32_t held[9];
    bool holdsMore;  // some closure's slots hold a value outside it
};

// The closures, one per strongly connected group of values (the values that
// reach each other share their closure): the group of u is what u reaches
// and what reaches u. Forward, a value leads to the values matched to its
// slots: the walk goes from slot to slot, from a slot to the slots of the value
// matched to it, and the closure is the values matched to the slots reached;
// an unmatched slot reached means a value with a slot nobody is matched to,
// which no closed set holds. Backward, the values holding a value's own slot
// lead to it. Distinct groups have distinct closures.
//
// Every closed set is a union of closed closures, and a value outside the set
// is outside each of them; so when no closed closure holds a value outside
// itself, no closed set does.
void findClosures(const SubsetGraph& g, const Matching& m, Closures& c) {
    c.count = 0;
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
        uint32_t closure = 0, held = 0;
        for (uint32_t rest = slots; rest != 0; rest = withoutLowestBit(rest)) {
            closure |= m.valueBitInSlot[lowestBitIndex(rest)];
            held |= g.slotMask[lowestBitIndex(rest)];
        }
        uint32_t reaching = 1u << u;
        for (uint32_t frontier = reaching; frontier != 0;) {
            uint32_t next = 0;
            for (; frontier != 0; frontier = withoutLowestBit(frontier))
                next |= g.slotMask[m.slotOfValue[lowestBitIndex(frontier)]];
            next &= g.confinable;
            frontier = next & ~reaching;
            reaching |= next;
        }
        left &= ~(closure & reaching);
        if (slots & ~m.matchedSlots) continue;  // not closed
        c.values[c.count] = closure;
        c.slots[c.count] = slots;
        c.held[c.count] = held;
        c.count++;
        if (held & ~closure) c.holdsMore = true;
    }
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

// The first combination after `after` (0: before all) that the step acts on:
// the slots of a closed set of 2 .. openCells - 1 values holding a value
// outside it. Returns its slots and sets `values` to the set; 0 when none.
uint32_t nextClosedSet(const Closures& c, int openCells, uint32_t after, uint32_t& values) {
    // Every union of closed closures, each once (a closed set is determined
    // by its values).
    struct Set {
        uint32_t values, slots, held;
    } sets[512];
    uint64_t seen[8] = {1};  // the empty set
    int count = 1;
    sets[0] = {0, 0, 0};
    for (int j = 0; j < c.count; j++) {
        for (int i = 0, known = count; i < known; i++) {
            uint32_t set = sets[i].values | c.values[j];
            if (seen[set >> 6] & (1ull << (set & 63))) continue;
            seen[set >> 6] |= 1ull << (set & 63);
            sets[count++] = {set, sets[i].slots | c.slots[j], sets[i].held | c.held[j]};
        }
    }
    uint32_t bestSlots = 0;
    for (int i = 1; i < count; i++) {
        const Set& set = sets[i];
        int k = countBits(set.values);
        if (k < 2 || k > openCells - 1 || (set.held & ~set.values) == 0) continue;
        if (after != 0 && !comesBefore(after, set.slots)) continue;
        if (bestSlots == 0 || comesBefore(set.slots, bestSlots)) {
            bestSlots = set.slots;
            values = set.values;
        }
    }
    return bestSlots;
}

// Acts on the closed sets in the order of their combinations, as long as one
// is left after the last acted on; true when it acted on any.
bool walkClosedSets(SubsetGraph& g, const Matching& m, Closures& c, int openCells) {
    uint32_t after = 0;  // the slots of the last combination acted on
    for (;;) {
        uint32_t set = 0;
        uint32_t slots = nextClosedSet(c, openCells, after, set);
        if (slots == 0) break;
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
    return after != 0;
}

}  // namespace

GraphStep hiddenSubsetsByMatching(SubsetGraph& g, int openCells) {
    if (countBits(g.confinable) < 2) return GraphStep::kNoRemoval;
    Matching m;
    if (!matchEveryValue(g, m)) return GraphStep::kTooFewCells;
    Closures c;
    findClosures(g, m, c);
    if (!c.holdsMore) return GraphStep::kNoRemoval;
    return walkClosedSets(g, m, c, openCells) ? GraphStep::kRemoved : GraphStep::kNoRemoval;
}

// ---------------------------------------------------------------------------
// The tables over every set of live cells
// ---------------------------------------------------------------------------

namespace {

void orInto(uint64_t* words, uint32_t e, uint32_t bits) {
    words[e >> 2] |= static_cast<uint64_t>(bits) << (16 * (e & 3));
}

// Spreads every entry to all its supersets with OR: afterwards entry e is the
// OR of the starting entries of all subsets of e. Entries are 16-bit lanes,
// four to a word, so the two lowest bits are shifts within a word and the
// others whole-word ORs.
void orOverSubsets(uint64_t* words, int bits) {
    int wordCount = bits > 2 ? 1 << (bits - 2) : 1;
    if (bits > 0) {
        for (int w = 0; w < wordCount; w++) words[w] |= (words[w] & 0x0000FFFF0000FFFFull) << 16;
    }
    if (bits > 1) {
        for (int w = 0; w < wordCount; w++) words[w] |= (words[w] & 0x00000000FFFFFFFFull) << 32;
    }
    for (int bit = 2; bit < bits; bit++) {
        int half = 1 << (bit - 2);
        for (int block = 0; block < wordCount; block += 2 * half) {
            for (int i = 0; i < half; i++) words[block + half + i] |= words[block + i];
        }
    }
}

}  // namespace

void SubsetTables::fill(const uint32_t* cellsOf, const uint32_t* cellValues, int cellCount) {
    int wordCount = cellCount > 2 ? 1 << (cellCount - 2) : 1;
    for (int w = 0; w < wordCount; w++) confinedWords[w] = heldWords[w] = 0;
    // A value is confined to every superset of its cells; a set holds what its
    // single cells hold.
    for (int v = 0; v < 9; v++) {
        if (cellsOf[v] != 0) orInto(confinedWords, cellsOf[v], 1u << v);
    }
    for (int i = 0; i < cellCount; i++) orInto(heldWords, 1u << i, cellValues[i]);
    orOverSubsets(confinedWords, cellCount);
    orOverSubsets(heldWords, cellCount);
}

}  // namespace ga
