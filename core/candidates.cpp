#include "core/candidates.h"

#include <cstring>

#include "core/bits.h"
#include "core/subset_graph.h"

namespace ga {

// ---------------------------------------------------------------------------
// Shallow candidates
// ---------------------------------------------------------------------------

void initUnitWork(UnitWork& work) {
    for (int v = 1; v <= 9; v++) work.bitTable[v - 1] = static_cast<int32_t>(bitOfValue(v));
}

void computeCandidates(const PuzzleRecord& record, CandidateSet& candidates) {
    uint32_t rowFree[9], columnFree[9], boxFree[9];
    for (int i = 0; i < 9; i++) rowFree[i] = columnFree[i] = boxFree[i] = kAllValues;
    for (int cell = 0; cell < kCells; cell++) {
        int32_t value = record.valueGrid[cell];
        if (value < 1 || value > 9) continue;
        uint32_t clear = ~bitOfValue(value);
        rowFree[rowOf(cell)] &= clear;
        columnFree[columnOf(cell)] &= clear;
        boxFree[boxOf(cell)] &= clear;
    }
    for (int cell = 0; cell < kCells; cell++) {
        candidates.cellMask[cell] =
            record.valueGrid[cell] == 0
                ? static_cast<int32_t>(rowFree[rowOf(cell)] & columnFree[columnOf(cell)] &
                                       boxFree[boxOf(cell)])
                : 0;
    }
    for (int i = 0; i < 9; i++) {
        candidates.rowFree[i] = static_cast<int32_t>(rowFree[i]);
        candidates.columnFree[i] = static_cast<int32_t>(columnFree[i]);
        candidates.boxFree[i] = static_cast<int32_t>(boxFree[i]);
    }
}

// ---------------------------------------------------------------------------
// Deep analysis of one unit
// ---------------------------------------------------------------------------
//
// The hidden-subset step looks at every k-combination of the unit's open
// cells, k = 2 .. n - 1, in lexicographic order. A value is confined to a
// combination when its position count is not zero and at least that many of
// the combination's cells still hold it. With exactly k confined values, the
// cells of the combination lose every other value.
//
// It works on bit masks over the open cells ("slots"), not on the
// combinations themselves: for each value, the slots of its position list (L)
// and the slots whose mask holds it (H). In the work area, H is a subset of L, so a value is
// confined to C exactly when H == L, L is not empty and L is a subset of C.
// On that, the subset graph (subset_graph.h) finds the few combinations the
// step acts on without visiting the others. Where some values have fewer
// cells than they are (a unit that has no answer), tables give the confined
// values of every combination at once, and the walk over the combinations in
// their order only looks the answer up.

namespace {

void hiddenSingles(UnitWork& work) {
    for (int v = 1; v <= 9; v++) {
        if (valueCount(work, v) == 1) {
            work.unitMask[work.valuePositions[v - 1][0]] = static_cast<int32_t>(bitOfValue(v));
        }
    }
}

// Takes a position out of a value's list; the later entries move up.
void removeFromPositions(UnitWork& work, int value, int position) {
    int32_t* list = work.valuePositions[value - 1];
    int count = list[9];
    for (int i = 0; i < count; i++) {
        if (list[i] != position) continue;
        for (int j = i; j + 1 < count; j++) list[j] = list[j + 1];
        list[count - 1] = 0;
        list[9] = count - 1;
        return;
    }
}

// Removes from the combination's cells every value that is not confined.
void removeUnconfined(UnitWork& work, const int* cells, int k, uint32_t confined) {
    for (int i = 0; i < k; i++) {
        int position = cells[i];
        uint32_t extra = static_cast<uint32_t>(work.unitMask[position]) & ~confined & kAllValues;
        for (; extra != 0; extra = withoutLowestBit(extra)) {
            int value = lowestBitIndex(extra) + 1;
            work.unitMask[position] &= ~static_cast<int32_t>(bitOfValue(value));
            removeFromPositions(work, value, position);
            work.changed = 1;
        }
    }
}

// The unit's open cells with candidates ("live" cells), numbered 0..m-1, and
// per value the live cells it is confined by when it can be confined at all.
struct LiveCells {
    int m;
    uint32_t liveBitOfSlot[9];  // by open-cell index: the live cell's bit, 0 when none
    uint32_t mask[9];           // unitMask of each live cell
    uint32_t effective[9];      // per value: live cells of its position list
    uint32_t confinable;        // values whose list is not empty and all still hold it
};

// Fills the live cells from the work area as analyseUnitByCombinations loads
// it and the step keeps it: open cells ascending, each value's list naming
// the open cells whose mask holds it (a hidden single may since have taken
// the value out of a listed cell).
void loadLiveCells(const UnitWork& work, int n, LiveCells& live) {
    int liveOf[9];
    live.m = 0;
    uint32_t holds[9] = {};
    for (int i = 0; i < n; i++) {
        int position = work.openCells[i];
        uint32_t mask = static_cast<uint32_t>(work.unitMask[position]);
        if (mask == 0) {
            liveOf[position] = -1;
            live.liveBitOfSlot[i] = 0;
            continue;
        }
        liveOf[position] = live.m;
        live.liveBitOfSlot[i] = 1u << live.m;
        live.mask[live.m] = mask;
        for (; mask != 0; mask = withoutLowestBit(mask))
            holds[lowestBitIndex(mask)] |= 1u << live.m;
        live.m++;
    }
    live.confinable = 0;
    for (int v = 0; v < 9; v++) {
        const int32_t* list = work.valuePositions[v];
        int count = list[9];
        uint32_t listed = 0;
        bool listedAllLive = true;
        for (int j = 0; j < count; j++) {
            int position = list[j];
            if (liveOf[position] < 0) {
                listedAllLive = false;
                continue;
            }
            listed |= 1u << liveOf[position];
        }
        live.effective[v] = listed;
        if (count != 0 && listedAllLive && countBits(listed) == count && holds[v] == listed) {
            live.confinable |= 1u << v;
        }
    }
}

constexpr struct BitCounts {
    uint8_t of[512];
    constexpr BitCounts() : of() {
        for (int i = 0; i < 512; i++)
            of[i] = static_cast<uint8_t>(countBits(static_cast<uint32_t>(i)));
    }
} kBitCounts;

// For every set E of live cells: the values confined to it and the values its
// cells hold. Returns whether the hidden-subset step would remove anything at
// all: some combination of k = 2..n-1 open cells with exactly k confined values
// and a cell holding another. A combination is a set E of live cells plus any
// f of the d open cells without candidates (they hold nothing, so its confined
// values are those of E): it qualifies when |confined(E)| = |E| + f.
bool fillSubsetTables(const LiveCells& live, int n, SubsetTables& t) {
    if (countBits(live.confinable) < 2) return false;
    uint32_t confinableCells[9];
    for (int v = 0; v < 9; v++)
        confinableCells[v] = (live.confinable >> v) & 1 ? live.effective[v] : 0;
    t.fill(confinableCells, live.mask, live.m);
    int size = 1 << live.m;

    int dead = n - live.m;
    for (int e = 1; e < size; e++) {
        uint32_t values = t.confined(e);
        int k = kBitCounts.of[values];
        int extraCells = k - kBitCounts.of[e];
        if (k >= 2 && k <= n - 1 && extraCells >= 0 && extraCells <= dead &&
            (t.held(e) & ~values) != 0) {
            return true;
        }
    }
    return false;
}

// All k-combinations of n open cells, k = 2 .. n - 1, in the order of the
// hidden-subset step (size first, then lexicographic), for every n up to 9.
struct ComboOrder {
    uint16_t masks[10][512];
    int16_t end[10][10];  // end[n][k]: one past the last combination of size k
};

ComboOrder makeComboOrder() {
    ComboOrder order{};
    for (int n = 0; n <= 9; n++) {
        int at = 0;
        for (int k = 0; k <= 9; k++) {
            if (k >= 2 && k < n) {
                int index[9];
                for (int i = 0; i < k; i++) index[i] = i;
                while (true) {
                    uint16_t mask = 0;
                    for (int i = 0; i < k; i++)
                        mask = static_cast<uint16_t>(mask | (1u << index[i]));
                    order.masks[n][at++] = mask;
                    int i = k - 1;
                    while (i >= 0 && index[i] == n - k + i) i--;
                    if (i < 0) break;
                    index[i]++;
                    for (int j = i + 1; j < k; j++) index[j] = index[j - 1] + 1;
                }
            }
            order.end[n][k] = static_cast<int16_t>(at);
        }
    }
    return order;
}

const ComboOrder& comboOrder() {
    static const ComboOrder order = makeComboOrder();
    return order;
}

// Maps every combination of open cells to its set of live cells.
void fillLiveOfCombo(const LiveCells& live, int n, uint16_t* liveOfCombo) {
    liveOfCombo[0] = 0;
    for (uint32_t c = 1; c < (1u << n); c++) {
        int top = highestBitIndex(c);
        liveOfCombo[c] =
            static_cast<uint16_t>(liveOfCombo[c ^ (1u << top)] | live.liveBitOfSlot[top]);
    }
}

// The hidden-subset step proper, looking each combination up in the tables.
void walkCombinations(UnitWork& work, int n, LiveCells& live, SubsetTables& t) {
    const ComboOrder& order = comboOrder();
    uint16_t liveOfCombo[512];
    fillLiveOfCombo(live, n, liveOfCombo);
    int largest = countBits(live.confinable);  // no combination confines more values
    for (int at = 0; at < order.end[n][n - 1]; at++) {
        uint32_t combo = order.masks[n][at];
        int k = countBits(combo);
        if (k > largest) break;
        uint32_t e = liveOfCombo[combo];
        uint32_t values = t.confined(e);
        if (countBits(values) != k || (t.held(e) & ~values) == 0) continue;
        int cells[9], m = 0;
        for (uint32_t c = combo; c != 0; c = withoutLowestBit(c)) {
            cells[m++] = work.openCells[lowestBitIndex(c)];
        }
        removeUnconfined(work, cells, k, values);
        loadLiveCells(work, n, live);
        if (!fillSubsetTables(live, n, t)) return;
        fillLiveOfCombo(live, n, liveOfCombo);
        largest = countBits(live.confinable);
    }
}

// The analysis of the unit loaded into the work area; n = its open cells.
void analyseUnit(UnitWork& work, int n) {
    hiddenSingles(work);
    if (n < 3) return;
    // The graph of the live cells decides the step unless some values have
    // fewer cells than they are; then tables over the live cells look every
    // combination up in order.
    LiveCells live;
    loadLiveCells(work, n, live);
    SubsetGraph graph;
    graph.confinable = live.confinable;
    for (int i = 0; i < 9; i++) {
        graph.slotMask[i] = i < live.m ? live.mask[i] : 0;
        graph.slotsOf[i] = live.effective[i];
    }
    GraphStep step = hiddenSubsetsByMatching(graph, n);
    if (step == GraphStep::kRemoved) {
        for (int i = 0; i < n; i++) {
            uint32_t liveBit = live.liveBitOfSlot[i];
            if (liveBit == 0) continue;
            int slot = lowestBitIndex(liveBit);
            int position = work.openCells[i];
            for (uint32_t lost = live.mask[slot] & ~graph.slotMask[slot]; lost != 0;
                 lost = withoutLowestBit(lost)) {
                int value = lowestBitIndex(lost) + 1;
                work.unitMask[position] &= ~static_cast<int32_t>(bitOfValue(value));
                removeFromPositions(work, value, position);
            }
        }
        work.changed = 1;
        return;
    }
    if (step == GraphStep::kNoRemoval) return;
    SubsetTables tables;
    if (fillSubsetTables(live, n, tables)) walkCombinations(work, n, live, tables);
}

}  // namespace

// ---------------------------------------------------------------------------
// All 27 units, and the propagation loops
// ---------------------------------------------------------------------------

namespace {

constexpr uint32_t kAllUnits = (1u << kUnits) - 1;

// Loads the unit's open cells into the work area from the masks before the
// analysis and runs analyseUnit on it; the masks it leaves go to `after`.
void analyseUnitByCombinations(const uint32_t* before, uint32_t openPositions, UnitWork& work,
                               uint32_t* after) {
    int n = 0;
    for (auto& list : work.valuePositions) list[9] = 0;
    for (int p = 0; p < 9; p++) {
        work.unitMask[p] = static_cast<int32_t>(before[p]);
        if (!(openPositions & (1u << p))) continue;
        work.openCells[n++] = p;
        for (uint32_t mask = before[p]; mask != 0; mask = withoutLowestBit(mask)) {
            int32_t* list = work.valuePositions[lowestBitIndex(mask)];
            list[list[9]++] = p;
        }
    }
    analyseUnit(work, n);
    for (int p = 0; p < 9; p++) after[p] = static_cast<uint32_t>(work.unitMask[p]);
}

// Where each value still stands in each unit, kept in step with cellMask while
// the units are analysed: bit p of places[unit][v - 1] is set when the cell at
// position p of the unit holds v. openCells[unit] has bit p set for an open
// cell. Loading a unit then needs no pass over its cells' bits.
struct UnitPlaces {
    uint16_t places[kUnits][9];
    uint16_t openCells[kUnits];
};

// Position of each cell within its row, its column and its box.
constexpr struct CellPositions {
    uint8_t of[kCells][3];
    constexpr CellPositions() : of() {
        for (int cell = 0; cell < kCells; cell++) {
            of[cell][0] = static_cast<uint8_t>(columnOf(cell));
            of[cell][1] = static_cast<uint8_t>(rowOf(cell));
            of[cell][2] = static_cast<uint8_t>(3 * (rowOf(cell) % 3) + columnOf(cell) % 3);
        }
    }
} kCellPositions;

void loadUnitPlaces(const PuzzleRecord& record, const CandidateSet& candidates, UnitPlaces& units) {
    std::memset(&units, 0, sizeof units);
    for (int cell = 0; cell < kCells; cell++) {
        const uint8_t* unitsOfCell = kCellUnits[cell];
        const uint8_t* positions = kCellPositions.of[cell];
        if (record.openFlags[cell] == 1) {
            for (int i = 0; i < 3; i++) units.openCells[unitsOfCell[i]] |= 1u << positions[i];
        }
        for (uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]); mask != 0;
             mask = withoutLowestBit(mask)) {
            int v = lowestBitIndex(mask);
            for (int i = 0; i < 3; i++) units.places[unitsOfCell[i]][v] |= 1u << positions[i];
        }
    }
}

// Narrows a cell's mask, keeps the places in step and marks its three units.
void narrowCell(int cell, uint32_t narrowed, CandidateSet& candidates, UnitPlaces& units,
                uint32_t& pending) {
    uint32_t lost = static_cast<uint32_t>(candidates.cellMask[cell]) & ~narrowed;
    candidates.cellMask[cell] = static_cast<int32_t>(narrowed);
    const uint8_t* unitsOfCell = kCellUnits[cell];
    const uint8_t* positions = kCellPositions.of[cell];
    for (int i = 0; i < 3; i++) {
        uint16_t* places = units.places[unitsOfCell[i]];
        uint16_t keep = static_cast<uint16_t>(~(1u << positions[i]));
        for (uint32_t values = lost; values != 0; values = withoutLowestBit(values))
            places[lowestBitIndex(values)] &= keep;
        pending |= 1u << unitsOfCell[i];
    }
}

// One unit's analysis from the masks of its open cells (0 elsewhere) and its
// value places: the masks it leaves in `result`; true when the hidden-subset
// step removed something.
bool analyseOpenCells(const uint32_t* before, uint32_t openPositions, const uint16_t* places,
                      UnitWork& work, uint32_t* result) {
    uint32_t listed[9];  // per value, the open positions holding it
    for (int v = 0; v < 9; v++) listed[v] = places[v] & openPositions;
    SubsetGraph graph;
    for (int p = 0; p < 9; p++) graph.slotMask[p] = before[p];
    // Hidden singles, in value order: a later value in the same cell wins.
    uint32_t singled = 0;  // positions a hidden single narrowed
    for (int v = 0; v < 9; v++) {
        if (!isSingleBit(listed[v])) continue;
        int p = lowestBitIndex(listed[v]);
        graph.slotMask[p] = 1u << v;
        singled |= 1u << p;
    }
    // Confinable: listed somewhere, and still held wherever listed; only the
    // cells a hidden single narrowed can have let a listed value go.
    graph.confinable = 0;
    for (int v = 0; v < 9; v++) {
        graph.slotsOf[v] = listed[v];
        if (listed[v] != 0) graph.confinable |= 1u << v;
    }
    for (uint32_t narrowed = singled; narrowed != 0; narrowed = withoutLowestBit(narrowed)) {
        int p = lowestBitIndex(narrowed);
        for (uint32_t gone = before[p] & ~graph.slotMask[p]; gone != 0;
             gone = withoutLowestBit(gone))
            graph.confinable &= ~(1u << lowestBitIndex(gone));
    }

    int n = countBits(openPositions);
    GraphStep step = n < 3 ? GraphStep::kNoRemoval : hiddenSubsetsByMatching(graph, n);
    if (step == GraphStep::kTooFewCells) {
        int changed = work.changed;
        work.changed = 0;
        analyseUnitByCombinations(before, openPositions, work, result);
        bool removed = work.changed != 0;
        work.changed = changed;
        return removed;
    }
    for (int p = 0; p < 9; p++) result[p] = graph.slotMask[p];
    return step == GraphStep::kRemoved;
}

}  // namespace

// What unit analyses gave, by what they depend on alone: the masks of the
// open cells by position and the number of open cells. A hit spares the whole
// analysis; an entry holds its full key, so a collision only costs a miss.
struct UnitResults {
    static constexpr int kEntriesLog2 = 14;
    struct Entry {
        uint64_t key[2];     // masks 0..6, 9 bits each; masks 7..8, the count, a used bit
        uint64_t result[2];  // the masks left, packed the same way; bit 18 of [1]: removed
    };
    Entry entries[1 << kEntriesLog2];
};

// computeCandidates and loadUnitPlaces of a grid and its open cells: a pure
// function of valueGrid and openFlags, so it is kept as long as both are as
// they were, save for cells that have been filled since.
struct ShallowCandidates {
    bool valid;
    Grid grid;
    Grid openFlags;
    CandidateSet candidates;
    UnitPlaces units;
};

struct AnalysisMemo {
    UnitResults units;
    ShallowCandidates shallow;
};

AnalysisMemo* analysisMemoOfThisThread() {
    thread_local AnalysisMemo memo;
    return &memo;
}

namespace {

void packMasks(const uint32_t* masks, uint64_t* packed) {
    auto at = [masks](int p) { return static_cast<uint64_t>(masks[p]) << (9 * (p % 7)); };
    packed[0] = at(0) | at(1) | at(2) | at(3) | at(4) | at(5) | at(6);
    packed[1] = at(7) | at(8);
}

void unpackMasks(const uint64_t* packed, uint32_t* masks) {
    auto at = [packed](int p) {
        return static_cast<uint32_t>(packed[p / 7] >> (9 * (p % 7))) & kAllValues;
    };
    masks[0] = at(0), masks[1] = at(1), masks[2] = at(2), masks[3] = at(3), masks[4] = at(4);
    masks[5] = at(5), masks[6] = at(6), masks[7] = at(7), masks[8] = at(8);
}

constexpr uint64_t kLastTwoMasks = (1ull << 18) - 1;  // masks 7 and 8 in word 1 of a packing

struct UnitOutcome {
    bool removed;   // the hidden-subset step removed something
    bool narrowed;  // some mask is narrower than before; `result` holds them all
};

// analyseOpenCells, looked up in the memo first.
UnitOutcome analyseRemembered(const uint32_t* before, uint32_t openPositions,
                              const uint16_t* places, UnitWork& work, AnalysisMemo& memo,
                              uint32_t* result) {
    uint64_t key[2];
    packMasks(before, key);
    key[1] |= static_cast<uint64_t>(countBits(openPositions)) << 18 | 1ull << 22;
    uint64_t hash = (key[0] * 0x9E3779B97F4A7C15ull) ^ (key[1] * 0xC2B2AE3D27D4EB4Full);
    UnitResults::Entry& entry = memo.units.entries[hash >> (64 - UnitResults::kEntriesLog2)];
    if (entry.key[0] != key[0] || entry.key[1] != key[1]) {
        bool removed = analyseOpenCells(before, openPositions, places, work, result);
        entry.key[0] = key[0];
        entry.key[1] = key[1];
        packMasks(result, entry.result);
        entry.result[1] |= static_cast<uint64_t>(removed) << 18;
    }
    UnitOutcome outcome;
    outcome.removed = (entry.result[1] >> 18) & 1;
    outcome.narrowed =
        entry.result[0] != key[0] || (entry.result[1] & kLastTwoMasks) != (key[1] & kLastTwoMasks);
    if (outcome.narrowed) unpackMasks(entry.result, result);
    return outcome;
}

// Analyses the units whose bit is set in `pending`, in unit order, clearing
// each bit as it goes; a cell whose mask narrows sets the bits of its three
// units again. A unit whose cells kept their masks since it was last analysed
// would only find again what it found then: nothing new, and no removal.
//
// Each unit is analysed as analyseUnit would analyse it loaded into the work
// area, on position masks: the slots of the subset graph are the unit's
// positions (only open ones hold values), which keeps the order of its open
// cells.
void analyseMarkedUnits(CandidateSet& candidates, UnitWork& work, UnitPlaces& units,
                        AnalysisMemo* memo, uint32_t& pending) {
    for (int unit = 0; unit < kUnits; unit++) {
        if (!(pending & (1u << unit))) continue;
        pending &= ~(1u << unit);
        const uint8_t* cells = kUnitCells[unit];
        const uint32_t openPositions = units.openCells[unit];
        uint32_t before[9] = {}, anyCandidate = 0;
        for (uint32_t open = openPositions; open != 0; open = withoutLowestBit(open)) {
            int p = lowestBitIndex(open);
            before[p] = static_cast<uint32_t>(candidates.cellMask[cells[p]]);
            anyCandidate |= before[p];
        }
        // A unit whose open cells all hold values has nothing to narrow.
        if (anyCandidate == 0) continue;
        const uint16_t* places = units.places[unit];
        uint32_t result[9];
        UnitOutcome outcome{false, true};
        if (memo) {
            outcome = analyseRemembered(before, openPositions, places, work, *memo, result);
        } else {
            outcome.removed = analyseOpenCells(before, openPositions, places, work, result);
        }
        if (outcome.removed) work.changed = 1;
        if (!outcome.narrowed) continue;
        // Masks only ever lose values here; cells that are not open keep theirs.
        for (uint32_t open = openPositions; open != 0; open = withoutLowestBit(open)) {
            int p = lowestBitIndex(open);
            if (result[p] != before[p]) narrowCell(cells[p], result[p], candidates, units, pending);
        }
    }
}

}  // namespace

void analyseUnits(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work) {
    initUnitWork(work);
    UnitPlaces units;
    loadUnitPlaces(record, candidates, units);
    uint32_t pending = kAllUnits;
    analyseMarkedUnits(candidates, work, units, nullptr, pending);
}

namespace {

int placeSingles(PuzzleRecord& record, const CandidateSet& candidates) {
    int placed = 0;
    for (int cell = 0; cell < kCells; cell++) {
        uint32_t mask = static_cast<uint32_t>(candidates.cellMask[cell]);
        if (record.valueGrid[cell] == 0 && isSingleBit(mask)) {
            record.valueGrid[cell] = valueOfSingleBit(mask);
            placed++;
        }
    }
    return placed;
}

}  // namespace

namespace {

// The shallow candidates after `value` went into the empty cell: the cell
// loses its mask, and each of its units that still missed the value no
// longer does, so its cells lose the value too.
void placeShallow(int cell, int32_t value, CandidateSet& candidates, UnitPlaces& units) {
    const uint8_t* unitsOfCell = kCellUnits[cell];
    const uint8_t* positions = kCellPositions.of[cell];
    for (uint32_t lost = static_cast<uint32_t>(candidates.cellMask[cell]); lost != 0;
         lost = withoutLowestBit(lost)) {
        for (int i = 0; i < 3; i++)
            units.places[unitsOfCell[i]][lowestBitIndex(lost)] &= ~(1u << positions[i]);
    }
    candidates.cellMask[cell] = 0;
    const uint32_t bit = bitOfValue(value);
    int32_t* free[3] = {&candidates.rowFree[rowOf(cell)], &candidates.columnFree[columnOf(cell)],
                        &candidates.boxFree[boxOf(cell)]};
    for (int i = 0; i < 3; i++) {
        *free[i] &= ~static_cast<int32_t>(bit);
        // The unit's cells that still hold the value lose it.
        const uint8_t* unitCells = kUnitCells[unitsOfCell[i]];
        for (uint32_t holding = units.places[unitsOfCell[i]][value - 1]; holding != 0;
             holding = withoutLowestBit(holding)) {
            int peer = unitCells[lowestBitIndex(holding)];
            candidates.cellMask[peer] &= ~static_cast<int32_t>(bit);
            for (int j = 0; j < 3; j++)
                units.places[kCellUnits[peer][j]][value - 1] &= ~(1u << kCellPositions.of[peer][j]);
        }
    }
}

void bringUpToDate(const PuzzleRecord& record, ShallowCandidates& shallow) {
    bool fresh = shallow.valid && shallow.openFlags == record.openFlags;
    int filled[kCells], count = 0;
    for (int cell = 0; fresh && cell < kCells; cell++) {
        int32_t was = shallow.grid[cell], now = record.valueGrid[cell];
        if (was == now) continue;
        if (was != 0 || now < 1 || now > 9) fresh = false;
        filled[count++] = cell;
    }
    if (fresh) {
        for (int i = 0; i < count; i++) {
            placeShallow(filled[i], record.valueGrid[filled[i]], shallow.candidates, shallow.units);
        }
    } else {
        shallow.openFlags = record.openFlags;
        computeCandidates(record, shallow.candidates);
        loadUnitPlaces(record, shallow.candidates, shallow.units);
        shallow.valid = true;
    }
    shallow.grid = record.valueGrid;
}

}  // namespace

void analyseUntilSettled(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                         AnalysisMemo* memo) {
    UnitPlaces units;
    if (memo) {
        ShallowCandidates& shallow = memo->shallow;
        bringUpToDate(record, shallow);
        candidates = shallow.candidates;
        units = shallow.units;
    } else {
        computeCandidates(record, candidates);
        loadUnitPlaces(record, candidates, units);
    }
    initUnitWork(work);
    uint32_t pending = kAllUnits;
    do {
        work.changed = 0;
        analyseMarkedUnits(candidates, work, units, memo, pending);
    } while (work.changed != 0);
}

int propagateTurn(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                  AnalysisMemo* memo) {
    analyseUntilSettled(record, candidates, work, memo);
    return placeSingles(record, candidates);
}

void propagate(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work, AnalysisMemo* memo) {
    while (propagateTurn(record, candidates, work, memo) != 0) {
    }
}

void propagateShallow(PuzzleRecord& record, CandidateSet& candidates) {
    do {
        computeCandidates(record, candidates);
    } while (placeSingles(record, candidates) != 0);
}

// ---------------------------------------------------------------------------
// Show candidates
// ---------------------------------------------------------------------------

int32_t candidateNumberOf(uint32_t valueMask) {
    int32_t number = 0;
    for (uint32_t mask = valueMask & kAllValues; mask != 0; mask = withoutLowestBit(mask)) {
        number = number * 10 + lowestBitIndex(mask) + 1;
    }
    return number;
}

namespace {

int countWideCells(const CandidateSet& candidates) {
    int wide = 0;
    for (int32_t mask : candidates.cellMask) wide += countBits(static_cast<uint32_t>(mask)) > 1;
    return wide;
}

}  // namespace

int showCandidates(PuzzleRecord& record) {
    const Grid entry = record.valueGrid;
    CandidateSet candidates;
    UnitWork work;
    initUnitWork(work);

    loadClues(record);
    propagate(record, candidates, work);
    record.valueGrid = entry;
    int result = kDeepCandidates;
    if (countWideCells(candidates) == 0) {
        loadClues(record);
        propagateShallow(record, candidates);
        record.valueGrid = entry;
        result = countWideCells(candidates) != 0 ? kShallowCandidates : kNoCandidates;
    }
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] == 1 && entry[cell] == 0) {
            record.candidateNumbers[cell] =
                candidateNumberOf(static_cast<uint32_t>(candidates.cellMask[cell]));
        }
    }
    return result;
}

}  // namespace ga
