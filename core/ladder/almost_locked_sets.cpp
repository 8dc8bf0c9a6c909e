// Rung 9: almost locked sets (ALS), N cells of one unit holding N + 1
// candidates between them; a set that loses one of them holds all the others.
// ALS-XZ: two sets whose x's all see each other cannot both hold x, so one
// of them is locked without x and holds every z it has; a cell seeing every
// z of both loses z. ALS-XY-Wing: two sets linked the same way through a
// pivot set by different values x and y; one of the two holds z.
// Steps with the fewest cells are taken first: they are the easiest to see.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"
#include "core/ladder/solving_context.h"

namespace ga {

struct Als {
    CellSet cells;
    uint16_t values;
    uint8_t size;
    uint8_t unit;
    CellSet reach;       // the cells seeing any of its cells: a quick test for links
    CellSet holding[9];  // by value - 1: its cells holding the value
    CellSet seeing[9];   // by value - 1: the cells that see all of those
};

// Enough for the boards met in practice; a set left out only hides a step.
constexpr int kMaxSets = 768;

// The sets of a board: both techniques look at the same board.
struct AlsList {
    Als sets[kMaxSets];
    int count = 0;
};

void ContextPartDeleter::operator()(AlsList* part) const {
    delete part;
}

namespace {

bool lieInEarlierUnit(CellSet cells, int unit) {
    const int cell = cells.first();
    for (int u = 0; u < 3; u++) {
        const int other = kCellUnits[cell][u];
        if (other < unit && (cells & ~unitSet(other)).empty()) return true;
    }
    return false;
}

// Every almost locked set of the board, each once.
void findSets(const LadderBoard& board, const DigitCells& where, AlsList& list) {
    list.count = 0;
    for (int unit = 0; unit < kUnits; unit++) {
        int empty[9], emptyCount = 0;
        for (int cell : kUnitCells[unit]) {
            if (board.values[cell] == 0) empty[emptyCount++] = cell;
        }
        uint16_t values[1 << 9];
        values[0] = 0;
        for (int subset = 1; subset < (1 << emptyCount); subset++) {
            const int lowest = lowestBitIndex(subset);
            values[subset] = static_cast<uint16_t>(values[subset & (subset - 1)] |
                                                   board.candidates[empty[lowest]]);
            const int size = countBits(subset);
            if (countBits(values[subset]) != size + 1) continue;
            CellSet cells;
            for (int rest = subset; rest != 0; rest &= rest - 1)
                cells.add(empty[lowestBitIndex(rest)]);
            if (lieInEarlierUnit(cells, unit)) continue;
            if (list.count == kMaxSets) return;
            Als& set = list.sets[list.count++];
            set.cells = cells;
            set.values = values[subset];
            set.size = static_cast<uint8_t>(size);
            set.unit = static_cast<uint8_t>(unit);
            set.reach = CellSet{};
            for (int cell : cellsOf(cells)) set.reach |= peersOf(cell);
            for (uint32_t rest = set.values; rest != 0; rest = withoutLowestBit(rest)) {
                const int v = lowestBitIndex(rest);
                set.holding[v] = cells & where.of[v + 1];
                set.seeing[v] = commonPeers(set.holding[v]);
            }
        }
    }
}

// The values x that `a` and `b` (not overlapping) cannot both hold: every
// cell of each holding x sees every cell of the other holding it.
uint32_t restrictedCommons(const Als& a, const Als& b) {
    uint32_t links = 0;
    for (uint32_t rest = a.values & b.values; rest != 0; rest = withoutLowestBit(rest)) {
        const int v = lowestBitIndex(rest);
        if ((a.holding[v] & ~b.seeing[v]).empty()) links |= 1u << v;
    }
    return links;
}

// The cells outside `cells` holding z that see every z of both sets.
CellSet targetsOf(const Als& a, const Als& b, int v, CellSet cells, const DigitCells& where) {
    return a.seeing[v] & b.seeing[v] & where.of[v + 1] & ~cells;
}

void recordSet(LadderStep& step, const Als& set, int linkIndex) {
    StepSet& out = step.sets[step.setCount++];
    out.cells = set.cells;
    out.values = set.values;
    out.link = static_cast<uint8_t>(linkIndex < 0 ? 0 : linkIndex + 1);
    step.cells |= set.cells;
    step.addUnit(set.unit);
}

// What two sets linked by x remove: a z of both from the cells seeing all
// those z's. Linked by y too (doubly linked), each set holds one of x and y
// and all its other values, so the cells seeing all of a set's v lose v, and
// those seeing every x (y) of both lose x (y). Fills `step` when given.
bool pairEliminations(const Als& a, const Als& b, int x, int y, const DigitCells& where,
                      LadderStep* step) {
    const CellSet both = a.cells | b.cells;
    bool any = false;
    auto take = [&](CellSet targets, int v) {
        if (targets.empty()) return;
        any = true;
        if (step) {
            for (int cell : cellsOf(targets)) step->eliminate(cell, 1u << v);
        }
    };
    if (y < 0) {
        for (uint32_t rest = a.values & b.values & ~(1u << x); rest != 0 && !any;
             rest = withoutLowestBit(rest)) {
            take(targetsOf(a, b, lowestBitIndex(rest), both, where), lowestBitIndex(rest));
        }
        return any;
    }
    const uint32_t links = (1u << x) | (1u << y);
    for (uint32_t rest = links; rest != 0; rest = withoutLowestBit(rest)) {
        take(targetsOf(a, b, lowestBitIndex(rest), both, where), lowestBitIndex(rest));
    }
    for (const Als* set : {&a, &b}) {
        for (uint32_t rest = set->values & ~links; rest != 0; rest = withoutLowestBit(rest)) {
            const int v = lowestBitIndex(rest);
            take(set->seeing[v] & where.of[v + 1] & ~both, v);
        }
    }
    return any;
}

bool alsXZ(const DigitCells& where, const AlsList& list, LadderStep& step) {
    int bestSize = kCells, bestA = -1, bestB = -1, bestX = 0, bestY = -1;
    for (int i = 0; i < list.count; i++) {
        const Als& a = list.sets[i];
        for (int j = i + 1; j < list.count; j++) {
            const Als& b = list.sets[j];
            if (a.size + b.size >= bestSize || !(a.cells & b.cells).empty()) continue;
            if (countBits(a.values & b.values) < 2 || (a.cells & b.reach).empty()) continue;
            const uint32_t links = restrictedCommons(a, b);
            if (links == 0 || countBits(links) > 2) continue;  // more than two: no answer left
            const int x = lowestBitIndex(links);
            const int y = countBits(links) == 2 ? highestBitIndex(links) : -1;
            if (!pairEliminations(a, b, x, y, where, nullptr)) continue;
            bestSize = a.size + b.size;
            bestA = i, bestB = j, bestX = x, bestY = y;
        }
    }
    if (bestA < 0) return false;
    const Als &a = list.sets[bestA], &b = list.sets[bestB];
    pairEliminations(a, b, bestX, bestY, where, &step);
    recordSet(step, a, bestX);
    recordSet(step, b, bestY);
    uint32_t concerned = (1u << bestX) | (bestY >= 0 ? 1u << bestY : 0);
    for (uint16_t mask : step.eliminations) concerned |= mask;
    step.values = static_cast<uint16_t>(concerned);
    return true;
}

bool alsXYWing(const DigitCells& where, const AlsList& list, LadderStep& step) {
    int linked[kMaxSets];
    uint32_t linkValues[kMaxSets];
    int bestSize = kCells, best[3] = {-1, -1, -1}, bestX = 0, bestY = 0, bestZ = 0;
    for (int p = 0; p < list.count; p++) {
        const Als& pivot = list.sets[p];
        int linkedCount = 0;
        for (int i = 0; i < list.count; i++) {
            const Als& wing = list.sets[i];
            if (i == p || pivot.size + wing.size + 1 >= bestSize) continue;
            if (!(wing.cells & pivot.cells).empty() || (wing.cells & pivot.reach).empty()) continue;
            const uint32_t links = restrictedCommons(wing, pivot);
            if (links == 0) continue;
            linked[linkedCount] = i;
            linkValues[linkedCount++] = links;
        }
        for (int i = 0; i < linkedCount; i++) {
            const Als& a = list.sets[linked[i]];
            for (int j = i + 1; j < linkedCount; j++) {
                const Als& b = list.sets[linked[j]];
                if (pivot.size + a.size + b.size >= bestSize || !(a.cells & b.cells).empty())
                    continue;
                // Two different links, one to each wing.
                int x = -1, y = -1;
                for (uint32_t xs = linkValues[i]; xs != 0 && x < 0; xs = withoutLowestBit(xs)) {
                    const uint32_t ys = linkValues[j] & ~(1u << lowestBitIndex(xs));
                    if (ys != 0) x = lowestBitIndex(xs), y = lowestBitIndex(ys);
                }
                if (x < 0) continue;
                const CellSet all = a.cells | b.cells | pivot.cells;
                for (uint32_t rest = a.values & b.values & ~((1u << x) | (1u << y)); rest != 0;
                     rest = withoutLowestBit(rest)) {
                    const int z = lowestBitIndex(rest);
                    if (targetsOf(a, b, z, all, where).empty()) continue;
                    bestSize = pivot.size + a.size + b.size;
                    best[0] = linked[i], best[1] = p, best[2] = linked[j];
                    bestX = x, bestY = y, bestZ = z;
                    break;
                }
            }
        }
    }
    if (best[0] < 0) return false;
    const Als &a = list.sets[best[0]], &pivot = list.sets[best[1]], &b = list.sets[best[2]];
    const CellSet all = a.cells | b.cells | pivot.cells;
    for (int cell : cellsOf(targetsOf(a, b, bestZ, all, where))) step.eliminate(cell, 1u << bestZ);
    recordSet(step, a, bestX);
    recordSet(step, pivot, bestY);
    recordSet(step, b, -1);
    step.values = static_cast<uint16_t>((1u << bestX) | (1u << bestY) | (1u << bestZ));
    return true;
}

// The sets of the context's board, found when first asked for it.
const AlsList& setsOf(const LadderBoard& board, const DigitCells& where, SolvingContext& context) {
    auto& space = context.alsList.part;
    if (!space) space.reset(new AlsList);  // a few hundred kilobytes: not for the stack
    if (!context.current(context.alsList)) findSets(board, where, *space);
    return *space;
}

std::string setText(const StepSet& set) {
    uint8_t cells[9];
    int count = 0;
    for (int cell : cellsOf(set.cells)) cells[count++] = static_cast<uint8_t>(cell);
    return filled(
        count == 1 ? translate("Hint", "%1 holds only %2") : translate("Hint", "%1 hold only %2"),
        {cellList(cells, count), valueList(set.values)});
}

}  // namespace

bool findAlsXZ(const LadderBoard& board, const DigitCells& where, SolvingContext& context,
               LadderStep& step) {
    return alsXZ(where, setsOf(board, where, context), step);
}

bool findAlsXYWing(const LadderBoard& board, const DigitCells& where, SolvingContext& context,
                   LadderStep& step) {
    return alsXYWing(where, setsOf(board, where, context), step);
}

std::string describeAlsXZ(const LadderStep& step, StepWords) {
    uint32_t lost = 0;
    for (uint16_t mask : step.eliminations) lost |= mask;
    const StepSet* s = step.sets;
    auto link = [](const StepSet& set) { return digitText(set.link); };
    const std::string result = ladderStepResult(step);
    if (s[1].link != 0) {
        return namedStep(
            step, filled(translate("Hint",
                                   "%1; %2; the %3s of the two sets all see each other, and so do "
                                   "their %4s, so each set holds one of them and all its other "
                                   "values: %5"),
                         {setText(s[0]), setText(s[1]), link(s[0]), link(s[1]), result}));
    }
    return namedStep(
        step, filled(translate("Hint",
                               "%1; %2; the %3s of the two sets all see each other, so one set "
                               "lacks %3 and must hold %4: %5"),
                     {setText(s[0]), setText(s[1]), link(s[0]), valueList(lost), result}));
}

std::string describeAlsXYWing(const LadderStep& step, StepWords) {
    uint32_t lost = 0;
    for (uint16_t mask : step.eliminations) lost |= mask;
    const StepSet* s = step.sets;
    auto link = [](const StepSet& set) { return digitText(set.link); };
    return namedStep(
        step, filled(translate("Hint",
                               "%1; %2; %3; the first and second sets cannot both hold %4, nor the "
                               "second and third %5, so the first or the third holds %6: %7"),
                     {setText(s[0]), setText(s[1]), setText(s[2]), link(s[0]), link(s[1]),
                      valueList(lost), ladderStepResult(step)}));
}

}  // namespace ga
