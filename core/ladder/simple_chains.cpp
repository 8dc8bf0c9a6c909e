// Simple colouring, X-Chains and XY-Chains: breadth-first searches over one
// value's strong links (or over the cells with two candidates), so the chain
// shown is the shortest there is.
#include "core/ladder/families.h"

#include "core/bits.h"
#include "core/ladder/chain_words.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

// The cells a cell shares a strong link with for one value: a unit where the
// value has only those two places. At most three (its row, column and box).
struct Partners {
    uint8_t count = 0;
    uint8_t cells[3] = {};
};

void findPartners(const DigitCells& where, int value, Partners* partners) {
    for (int unit = 0; unit < kUnits; unit++) {
        CellSet places = where.of[value] & unitSet(unit);
        if (places.count() != 2) continue;
        const int a = places.first();
        places.remove(a);
        const int b = places.first();
        bool known = false;
        for (int i = 0; i < partners[a].count; i++) known |= partners[a].cells[i] == b;
        if (known) continue;  // a box repeating a row's or a column's link
        partners[a].cells[partners[a].count++] = static_cast<uint8_t>(b);
        partners[b].cells[partners[b].count++] = static_cast<uint8_t>(a);
    }
}

int sharedUnit(int a, int b) {
    for (int u = 0; u < 3; u++) {
        if (kCellUnits[a][u] == kCellUnits[b][u]) return kCellUnits[a][u];
    }
    return -1;
}

// Colours one value's cells joined by strong links: linked cells get
// opposite colours, so one colour holds the value in all its cells and the
// other in none. A colour with two cells in one unit is the empty one (colour
// wrap); a cell outside seeing both colours lacks the value (colour trap).
bool colourComponent(const DigitCells& where, int value, const Partners* partners, int start,
                     int8_t* colour, LadderStep& step) {
    int queue[kCells], head = 0, tail = 0;
    CellSet colours[2];
    bool consistent = true;
    colour[start] = 0;
    queue[tail++] = start;
    while (head < tail) {
        const int cell = queue[head++];
        colours[colour[cell]].add(cell);
        for (int i = 0; i < partners[cell].count; i++) {
            const int partner = partners[cell].cells[i];
            if (colour[partner] < 0) {
                colour[partner] = static_cast<int8_t>(1 - colour[cell]);
                queue[tail++] = partner;
            } else if (colour[partner] == colour[cell]) {
                consistent = false;  // only on a board that has lost its answer
            }
        }
    }
    if (!consistent) return false;
    const CellSet component = colours[0] | colours[1];
    for (int empty = 0; empty < 2; empty++) {
        for (int cell : cellsOf(colours[empty])) {
            const CellSet clash = peersOf(cell) & colours[empty];
            if (clash.empty()) continue;
            const int other = clash.first();
            for (int lost : cellsOf(colours[empty])) step.eliminate(lost, bitOfValue(value));
            step.addUnit(sharedUnit(cell, other));
            step.addNode(cellNode(cell, value, false));
            step.addNode(cellNode(other, value, false));
            for (int i = 0; i < tail; i++) {
                if (queue[i] != cell && queue[i] != other) {
                    step.addNode(cellNode(queue[i], value, colour[queue[i]] != empty));
                }
            }
            step.cells = component;
            return true;
        }
    }
    CellSet seen[2];
    for (int k = 0; k < 2; k++) {
        for (int cell : cellsOf(colours[k])) seen[k] |= peersOf(cell);
    }
    const CellSet targets = seen[0] & seen[1] & where.of[value] & ~component;
    if (targets.empty()) return false;
    for (int cell : cellsOf(targets)) step.eliminate(cell, bitOfValue(value));
    for (int i = 0; i < tail; i++) step.addNode(cellNode(queue[i], value, colour[queue[i]] == 0));
    step.cells = component;
    return true;
}

// A breadth-first search for the shortest chain of states; a state is a
// cell with a value on or off, numbered by the caller. Each finder gives the
// states reached from one and says which end a chain.
constexpr int kStates = kCells * 9;
constexpr int16_t kUnseen = -2, kRoot = -1;

struct ChainSearch {
    int16_t parent[kStates];
    uint8_t depth[kStates];
    int16_t queue[kStates];
    int head = 0, tail = 0;

    void start(int state) {
        for (int16_t& p : parent) p = kUnseen;
        head = tail = 0;
        parent[state] = kRoot;
        depth[state] = 0;
        queue[tail++] = static_cast<int16_t>(state);
    }
    bool visit(int from, int state) {
        if (parent[state] != kUnseen) return false;
        parent[state] = static_cast<int16_t>(from);
        depth[state] = static_cast<uint8_t>(depth[from] + 1);
        queue[tail++] = static_cast<int16_t>(state);
        return true;
    }
    // The states from the root to `state`; false when a cell repeats (such a
    // path is sound but reads badly).
    template <typename CellOf>
    bool path(int state, int16_t* states, int& count, CellSet& cells, CellOf cellOf) const {
        count = depth[state] + 1;
        cells = CellSet{};
        for (int i = count - 1; i >= 0; i--, state = parent[state]) {
            states[i] = static_cast<int16_t>(state);
            if (cells.has(cellOf(state))) return false;
            cells.add(cellOf(state));
        }
        return true;
    }
};

struct BestChain {
    int length = kMaxChainNodes + 1;  // in nodes; only shorter chains are kept
    int value = 0;
    int16_t states[kMaxChainNodes];
    int count = 0;
    CellSet targets;
};

// X-Chain states: cell * 2 + 1 when the cell holds the value, * 2 when not.
// From "start≠v" a strong link makes its partner "=v", and from "=v" every
// cell seeing it is "≠v"; a chain ending "end=v" means start or end holds v.
void searchXChains(const DigitCells& where, int value, ChainSearch& search, BestChain& best) {
    Partners partners[kCells];
    findPartners(where, value, partners);
    auto cellOf = [](int state) { return state >> 1; };
    int16_t states[kStates];
    for (int start : cellsOf(where.of[value])) {
        if (partners[start].count == 0) continue;
        search.start(start * 2);
        while (search.head < search.tail) {
            const int state = search.queue[search.head++];
            if (search.depth[state] + 2 >= best.length) break;
            const int cell = state >> 1;
            if ((state & 1) == 0) {
                for (int i = 0; i < partners[cell].count; i++) {
                    const int end = partners[cell].cells[i];
                    if (!search.visit(state, end * 2 + 1) || end == start) continue;
                    int count;
                    CellSet chain;
                    if (!search.path(end * 2 + 1, states, count, chain, cellOf)) continue;
                    const CellSet targets =
                        peersOf(start) & peersOf(end) & where.of[value] & ~chain;
                    if (targets.empty() || count >= best.length) continue;
                    best.length = count;
                    best.value = value;
                    best.count = count;
                    for (int k = 0; k < count; k++) best.states[k] = states[k];
                    best.targets = targets;
                }
            } else {
                for (int next : cellsOf(peersOf(cell) & where.of[value]))
                    search.visit(state, next * 2);
            }
        }
    }
}

// XY-Chain states: cell * 9 + v - 1 when the cell (with two candidates)
// holds v. From "start≠z", start holds its other value w; a cell seeing it
// with w among its two then holds its other value, and so on; a chain
// reaching "end=z" means start or end holds z.
void searchXYChains(const LadderBoard& board, const DigitCells& where, CellSet pairs,
                    ChainSearch& search, BestChain& best) {
    auto cellOf = [](int state) { return state / 9; };
    int16_t states[kStates];
    for (int start : cellsOf(pairs)) {
        for (uint32_t rest = board.candidates[start]; rest != 0; rest = withoutLowestBit(rest)) {
            const int z = lowestBitIndex(rest) + 1;
            const int other = valueOfSingleBit(board.candidates[start] & ~bitOfValue(z));
            search.start(start * 9 + other - 1);
            while (search.head < search.tail) {
                const int state = search.queue[search.head++];
                if (2 * (search.depth[state] + 2) >= best.length) break;
                const int cell = state / 9, on = state % 9 + 1;
                for (int next : cellsOf(peersOf(cell) & pairs & where.of[on])) {
                    const int nextOn = valueOfSingleBit(board.candidates[next] & ~bitOfValue(on));
                    const int nextState = next * 9 + nextOn - 1;
                    if (!search.visit(state, nextState) || nextOn != z || next == start) continue;
                    int count;
                    CellSet chain;
                    if (!search.path(nextState, states, count, chain, cellOf)) continue;
                    const CellSet targets = peersOf(start) & peersOf(next) & where.of[z] & ~chain;
                    if (targets.empty() || 2 * count >= best.length) continue;
                    best.length = 2 * count;
                    best.value = z;
                    best.count = count;
                    for (int k = 0; k < count; k++) best.states[k] = states[k];
                    best.targets = targets;
                }
            }
        }
    }
}

// The cells of one colour, ascending, the first few named and the rest counted.
std::string colourList(const LadderStep& step, bool on, StepWords words) {
    const int limit = words == StepWords::kWhole ? kCells : 6;
    CellSet colour;
    for (int i = 0; i < step.nodeCount; i++) {
        if (step.nodes[i].on == on) colour.add(step.nodes[i].cells[0]);
    }
    uint8_t cells[kCells];
    int shown = 0;
    for (int cell : cellsOf(colour)) {
        if (shown < limit) cells[shown++] = static_cast<uint8_t>(cell);
    }
    const int more = colour.count() - shown;
    if (more == 0) return cellList(cells, shown);
    //: %1 the first cells of a colour, %2 how many more there are
    return filled(translate("Hint", "%1, and %2 more"),
                  {listed(
                       shown, [&](int i) { return cellName(cells[i]); }, Joiner::kComma),
                   std::to_string(more)});
}

std::string chainStepText(const LadderStep& step, int value, StepWords words) {
    const ChainNode& first = step.nodes[0];
    const ChainNode& last = step.nodes[step.nodeCount - 1];
    return namedStepOn(step, digitText(value),
                       filled(translate("Hint", "%1, so %2 or %3 is %4: %5"),
                              {chainText(step.nodes, step.nodeCount, chainTextBudget(words)),
                               cellName(first.cells[0]), cellName(last.cells[0]), digitText(value),
                               ladderStepResult(step)}));
}

}  // namespace

bool findSimpleColouring(const LadderBoard&, const DigitCells& where, SolvingContext&,
                         LadderStep& step) {
    for (int value = 1; value <= 9; value++) {
        Partners partners[kCells];
        findPartners(where, value, partners);
        int8_t colour[kCells];
        for (int8_t& c : colour) c = -1;
        for (int start : cellsOf(where.of[value])) {
            if (colour[start] >= 0 || partners[start].count == 0) continue;
            if (colourComponent(where, value, partners, start, colour, step)) {
                step.values = static_cast<uint16_t>(bitOfValue(value));
                return true;
            }
        }
    }
    return false;
}

bool findXChain(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    ChainSearch search;
    BestChain best;
    for (int value = 1; value <= 9; value++) searchXChains(where, value, search, best);
    if (best.value == 0) return false;
    step.values = static_cast<uint16_t>(bitOfValue(best.value));
    for (int k = 0; k < best.count; k++) {
        const int cell = best.states[k] >> 1;
        step.addNode(cellNode(cell, best.value, best.states[k] & 1));
        step.cells.add(cell);
    }
    for (int cell : cellsOf(best.targets)) step.eliminate(cell, bitOfValue(best.value));
    return true;
}

bool findXYChain(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                 LadderStep& step) {
    CellSet pairs;
    for (int cell = 0; cell < kCells; cell++) {
        if (countBits(board.candidates[cell]) == 2) pairs.add(cell);
    }
    ChainSearch search;
    BestChain best;
    searchXYChains(board, where, pairs, search, best);
    if (best.value == 0) return false;
    for (int k = 0; k < best.count; k++) {
        const int cell = best.states[k] / 9, on = best.states[k] % 9 + 1;
        const int off = valueOfSingleBit(board.candidates[cell] & ~bitOfValue(on));
        step.addNode(cellNode(cell, off, false));
        step.addNode(cellNode(cell, on, true));
        step.cells.add(cell);
        step.values = static_cast<uint16_t>(step.values | board.candidates[cell]);
    }
    for (int cell : cellsOf(best.targets)) step.eliminate(cell, bitOfValue(best.value));
    return true;
}

std::string describeSimpleColouring(const LadderStep& step, StepWords words) {
    const std::string value = digitText(valueOfSingleBit(step.values));
    const std::string result = ladderStepResult(step);
    if (step.unitCount > 0) {
        return namedStepOn(
            step, value,
            filled(
                translate("Hint",
                          "colouring the cells joined by strong links on %1 in turn, %2 and %3 "
                          "get the same colour but share %4, so no cell of that colour is %1: %5"),
                {value, cellName(step.nodes[0].cells[0]), cellName(step.nodes[1].cells[0]),
                 unitName(step.units[0]), result}));
    }
    return namedStepOn(
        step, value,
        filled(translate("Hint",
                         "colouring the cells joined by strong links on %1 in turn, either %2 hold "
                         "it or %3 do; cells seeing both colours lose it: %4"),
               {value, colourList(step, true, words), colourList(step, false, words), result}));
}

std::string describeXChain(const LadderStep& step, StepWords words) {
    return chainStepText(step, valueOfSingleBit(step.values), words);
}

std::string describeXYChain(const LadderStep& step, StepWords words) {
    return chainStepText(step, step.nodes[0].value, words);
}

}  // namespace ga
