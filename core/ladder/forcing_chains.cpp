// Rung 10: forcing chains, the rung that never gives up. Each follows
// assumptions through singles (which is following the strong and weak links
// as the board changes):
// - Cell Forcing Chain: every candidate of a cell leads to the same fact;
// - Unit Forcing Chain: every place of a value in a unit leads to the same fact;
// - Contradiction Forcing Chain: a candidate whose assumption ends in a cell
//   without candidates or a value without a place is false;
// - Nested Forcing Chain: the same, but the propagation of the assumption also
//   removes every candidate that a contradiction forcing chain inside it
//   removes; when that is not enough (on a board known to have one answer),
//   one level deeper. There every wrong candidate fails at some depth, so
//   this always finds a step.
// All four look at cells with fewest candidates first: their chains are the
// shortest and the easiest to follow.
#include "core/bits.h"
#include "core/ladder/chain_words.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/propagation.h"
#include "core/ladder/set_words.h"
#include "core/ladder/solving_context.h"

namespace ga {

// Every candidate's assumption followed once per board: the three plain
// forcing chains read the same outcomes in turn.
struct ForcingScan {
    Propagation base;
    bool contradicts[kCells][9];
    uint8_t placements[kCells][9];  // how many values the assumption placed: a chain's length
    Propagation outcome[kCells][9];
    uint8_t order[kCells];  // the empty cells, fewest candidates first
    int orderCount = 0;
};

void ContextPartDeleter::operator()(ForcingScan* part) const {
    delete part;
}

namespace {

void orderCells(const LadderBoard& board, uint8_t* order, int& count) {
    count = 0;
    for (int size = 2; size <= 9; size++) {
        for (int cell = 0; cell < kCells; cell++) {
            if (board.values[cell] == 0 && countBits(board.candidates[cell]) == size) {
                order[count++] = static_cast<uint8_t>(cell);
            }
        }
    }
}

const ForcingScan& scanOf(SolvingContext& context) {
    auto& scan = context.forcingScan.part;
    if (!scan) scan.reset(new ForcingScan);
    if (context.current(context.forcingScan)) return *scan;
    const LadderBoard& board = context.board();
    scan->base = propagationOf(board);
    orderCells(board, scan->order, scan->orderCount);
    for (int i = 0; i < scan->orderCount; i++) {
        const int cell = scan->order[i];
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            const int value = lowestBitIndex(mask);
            Propagation& outcome = scan->outcome[cell][value];
            outcome = scan->base;
            scan->contradicts[cell][value] = !assumeValue(outcome, cell, value + 1);
            int placed = 0;
            for (int v = 0; v < 9; v++) placed += (outcome.placed[v] & scan->base.empty).count();
            scan->placements[cell][value] = static_cast<uint8_t>(placed);
        }
    }
    return *scan;
}

// What every one of some outcomes holds, beyond the board: the placements
// and removals they share.
struct Common {
    CellSet placed[9];
    CellSet removed[9];
    int outcomes = 0;

    void add(const Propagation& base, const Propagation& outcome) {
        for (int value = 0; value < 9; value++) {
            const CellSet placedHere = outcome.placed[value] & base.empty;
            const CellSet removedHere = base.where[value] & ~outcome.where[value] & ~placedHere;
            placed[value] = outcomes == 0 ? placedHere : placed[value] & placedHere;
            removed[value] = outcomes == 0 ? removedHere : removed[value] & removedHere;
        }
        outcomes++;
    }
    bool empty() const {
        for (int value = 0; value < 9; value++) {
            if (!placed[value].empty() || !removed[value].empty()) return false;
        }
        return true;
    }
};

// The fact a branch's trace must reach: the first shared placement, else the
// first shared removal. Fills the step's result with all of either kind.
void takeConclusion(const Common& common, LadderStep& step, int& cell, int& value, bool& on) {
    for (int v = 0; v < 9; v++) {
        if (common.placed[v].empty()) continue;
        cell = common.placed[v].first();
        value = v + 1;
        on = true;
        step.placedCell = static_cast<uint8_t>(cell);
        step.placedValue = static_cast<uint8_t>(value);
        return;
    }
    on = false;
    cell = -1;
    for (int v = 0; v < 9; v++) {
        for (int c : cellsOf(common.removed[v])) {
            step.eliminate(c, bitOfValue(v + 1));
            if (cell < 0) cell = c, value = v + 1;
        }
    }
}

// The trace every chain is recorded in, one after another.
PropagationTrace& traceOf(SolvingContext& context) {
    auto& trace = context.trace.part;
    if (!trace) trace.reset(new PropagationTrace);
    return *trace;
}

ChainNode nodeOf(const Fact& fact) {
    ChainNode node = cellNode(fact.cell, fact.value, fact.on);
    node.inner = fact.inner;
    return node;
}

// Appends the traced chain from the assumption to `fact`, at most `budget`
// nodes; a chain longer than that keeps its start and its last node.
void addChain(const PropagationTrace& trace, int fact, int budget, LadderStep& step) {
    int16_t chain[PropagationTrace::kMaxFacts];
    // A board that was broken to begin with (a cell without candidates)
    // fails with no removal to point at: the chain is the assumption alone.
    const int length = trace.chainTo(fact < 0 ? 0 : fact, chain, PropagationTrace::kMaxFacts);
    for (int i = 0; i < length && i < budget; i++) {
        const int index = length > budget && i == budget - 1 ? length - 1 : i;
        ChainNode node = nodeOf(trace.facts[chain[index]]);
        node.startsBranch = i == 0;
        step.addNode(node);
    }
}

// Follows each assumption again, traced, to record the chains to the conclusion.
void addBranches(const Propagation& base, const int* cells, const int* values, int count,
                 int targetCell, int targetValue, bool targetOn, PropagationTrace* trace,
                 LadderStep& step) {
    const int budget = kMaxChainNodes / count;
    for (int b = 0; b < count; b++) {
        trace->reset();
        Propagation outcome = base;
        assumeValue(outcome, cells[b], values[b], trace);
        const int fact =
            targetOn ? trace->onFact[targetCell] : trace->offFact[targetCell][targetValue - 1];
        addChain(*trace, fact, budget, step);
    }
}

bool findCellForcing(SolvingContext& context, LadderStep& step) {
    const LadderBoard& board = context.board();
    const ForcingScan& scan = scanOf(context);
    for (int i = 0; i < scan.orderCount; i++) {
        const int cell = scan.order[i];
        Common common;
        int cells[9], values[9], count = 0;
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            const int value = lowestBitIndex(mask);
            if (scan.contradicts[cell][value]) {
                count = 0;
                break;
            }
            common.add(scan.base, scan.outcome[cell][value]);
            cells[count] = cell;
            values[count++] = value + 1;
        }
        if (count == 0 || common.empty()) continue;
        int targetCell, targetValue;
        bool targetOn;
        takeConclusion(common, step, targetCell, targetValue, targetOn);
        step.cells.add(cell);
        step.values = board.candidates[cell];
        addBranches(scan.base, cells, values, count, targetCell, targetValue, targetOn,
                    &traceOf(context), step);
        return true;
    }
    return false;
}

bool findUnitForcing(SolvingContext& context, LadderStep& step) {
    const DigitCells& where = context.where();
    const ForcingScan& scan = scanOf(context);
    for (int size = 2; size <= 9; size++) {
        for (int unit = 0; unit < kUnits; unit++) {
            for (int value = 1; value <= 9; value++) {
                const CellSet places = where.of[value] & unitSet(unit);
                if (places.count() != size) continue;
                Common common;
                int cells[9], values[9], count = 0;
                for (int cell : cellsOf(places)) {
                    if (scan.contradicts[cell][value - 1]) {
                        count = 0;
                        break;
                    }
                    common.add(scan.base, scan.outcome[cell][value - 1]);
                    cells[count] = cell;
                    values[count++] = value;
                }
                if (count == 0 || common.empty()) continue;
                int targetCell, targetValue;
                bool targetOn;
                takeConclusion(common, step, targetCell, targetValue, targetOn);
                step.addUnit(unit);
                step.cells = places;
                step.values = static_cast<uint16_t>(bitOfValue(value));
                addBranches(scan.base, cells, values, count, targetCell, targetValue, targetOn,
                            &traceOf(context), step);
                return true;
            }
        }
    }
    return false;
}

// The step removing a candidate whose assumption ends in a contradiction
// through propagation of the given depth.
void contradictionStep(const Propagation& base, int cell, int value, int depth,
                       PropagationTrace* trace, LadderStep& step) {
    trace->reset();
    Propagation outcome = base;
    assumeValueDeep(outcome, cell, value, depth, trace);
    step.eliminate(cell, bitOfValue(value));
    step.values = static_cast<uint16_t>(bitOfValue(value));
    // The assumption and where it fails are tinted; the hint leads with the
    // assumption, so the failing unit is not one of the step's units.
    step.cells = trace->contradiction == Contradiction::kNoPlace
                     ? unitSet(trace->contradictionUnit)
                     : CellSet::of(trace->contradictionCell);
    step.cells.add(cell);
    addChain(*trace, trace->contradictionFact(), kMaxChainNodes, step);
}

// How many links the traced chain from an assumption to its contradiction has.
int contradictionLength(const Propagation& base, int cell, int value, PropagationTrace* trace) {
    trace->reset();
    Propagation outcome = base;
    assumeValue(outcome, cell, value, trace);
    int16_t unused[1];
    return trace->chainTo(trace->contradictionFact(), unused, 0);
}

bool findContradiction(SolvingContext& context, LadderStep& step) {
    const LadderBoard& board = context.board();
    const ForcingScan& scan = scanOf(context);
    // The shortest chain wins. Fewest placements before the contradiction
    // picks the few worth tracing; tracing every one costs too much.
    constexpr int kTraced = 12;
    int picked[kTraced][2], pickedCount = 0;
    for (int i = 0; i < scan.orderCount; i++) {
        const int cell = scan.order[i];
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            const int value = lowestBitIndex(mask);
            if (!scan.contradicts[cell][value]) continue;
            const int placements = scan.placements[cell][value];
            int at = pickedCount < kTraced ? pickedCount++ : kTraced;
            while (at > 0 && scan.placements[picked[at - 1][0]][picked[at - 1][1]] > placements) {
                if (at < kTraced)
                    picked[at][0] = picked[at - 1][0], picked[at][1] = picked[at - 1][1];
                at--;
            }
            if (at < kTraced) picked[at][0] = cell, picked[at][1] = value;
        }
    }
    if (pickedCount == 0) return false;
    int best = 0, bestLength = 0;
    for (int i = 0; i < pickedCount; i++) {
        const int length =
            contradictionLength(scan.base, picked[i][0], picked[i][1] + 1, &traceOf(context));
        if (i == 0 || length < bestLength) best = i, bestLength = length;
    }
    contradictionStep(scan.base, picked[best][0], picked[best][1] + 1, 0, &traceOf(context), step);
    return true;
}

bool findNested(SolvingContext& context, LadderStep& step) {
    const LadderBoard& board = context.board();
    const Propagation base = propagationOf(board);
    uint8_t order[kCells];
    int orderCount;
    orderCells(board, order, orderCount);
    // Depth 1 explains every puzzle of the public sets. Deeper searches cost
    // hours on a board with several answers, where no candidate of an answer
    // ever fails; on a board with one answer every wrong candidate fails by
    // the depth of the empty cells' count, where propagation tries them all.
    const int deepest = board.uniqueAnswer ? countEmpty(board) : 1;
    for (int depth = 1; depth <= deepest; depth++) {
        for (int i = 0; i < orderCount; i++) {
            const int cell = order[i];
            for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
                const int value = lowestBitIndex(mask) + 1;
                Propagation outcome = base;
                if (assumeValueDeep(outcome, cell, value, depth)) continue;
                contradictionStep(base, cell, value, depth, &traceOf(context), step);
                return true;
            }
        }
    }
    return false;
}

// The branches of a forcing chain, each from its assumption: "r4c4=1 → …; r4c4=7 → …".
std::string branchesText(const LadderStep& step, StepWords words) {
    int starts[kMaxChainNodes + 1], count = 0;
    for (int i = 0; i < step.nodeCount; i++) {
        if (step.nodes[i].startsBranch || i == 0) starts[count++] = i;
    }
    starts[count] = step.nodeCount;
    const std::string clauses = clausePattern();
    std::string text;
    for (int b = 0; b < count; b++) {
        const std::string branch = chainText(step.nodes + starts[b], starts[b + 1] - starts[b],
                                             chainTextBudget(words) / (count > 0 ? count : 1));
        text = b == 0 ? branch : filled(clauses, {text, branch});
    }
    return text;
}

// Where a contradiction chain fails: the unit it leaves without a place for
// the last value removed, or the cell it leaves without a candidate.
std::string contradictionText(const LadderStep& step) {
    const ChainNode& last = step.nodes[step.nodeCount - 1];
    for (int unit : kCellUnits[last.cells[0]]) {
        if ((unitSet(unit) & step.cells) == unitSet(unit)) {
            return filled(translate("Hint", "no place is left for %1 in %2"),
                          {digitText(last.value), unitName(unit)});
        }
    }
    CellSet stuck = step.cells;
    if (stuck.count() > 1) stuck.remove(step.nodes[0].cells[0]);
    return filled(translate("Hint", "%1 has no candidate left"), {cellName(stuck.first())});
}

}  // namespace

bool findCellForcingChain(const LadderBoard& board, const DigitCells&, SolvingContext& context,
                          LadderStep& step) {
    return countEmpty(board) > 0 && findCellForcing(context, step);
}

bool findUnitForcingChain(const LadderBoard& board, const DigitCells&, SolvingContext& context,
                          LadderStep& step) {
    return countEmpty(board) > 0 && findUnitForcing(context, step);
}

bool findContradictionForcingChain(const LadderBoard& board, const DigitCells&,
                                   SolvingContext& context, LadderStep& step) {
    return countEmpty(board) > 0 && findContradiction(context, step);
}

bool findNestedForcingChain(const LadderBoard& board, const DigitCells&, SolvingContext& context,
                            LadderStep& step) {
    return countEmpty(board) > 0 && findNested(context, step);
}

std::string describeCellForcingChain(const LadderStep& step, StepWords words) {
    return namedStep(
        step,
        filled(translate("Hint", "every candidate of %1 leads to the same: %2; so %3"),
               {cellName(step.cells.first()), branchesText(step, words), ladderStepResult(step)}));
}

std::string describeUnitForcingChain(const LadderStep& step, StepWords words) {
    return namedStep(
        step, filled(translate("Hint", "every place of %1 in %2 leads to the same: %3; so %4"),
                     {valueList(step.values), unitName(step.units[0]), branchesText(step, words),
                      ladderStepResult(step)}));
}

std::string describeContradictionForcingChain(const LadderStep& step, StepWords words) {
    //: %1 the chains from one assumption, %2 the contradiction they meet, %3 what it
    //: removes
    return namedStep(
        step, filled(translate("Hint", "%1, and %2; so %3"),
                     {branchesText(step, words), contradictionText(step), ladderStepResult(step)}));
}

std::string describeNestedForcingChain(const LadderStep& step, StepWords words) {
    return namedStep(
        step, filled(translate("Hint", "%1 (with forcing chains inside), and %2; so %3"),
                     {branchesText(step, words), contradictionText(step), ladderStepResult(step)}));
}

}  // namespace ga
