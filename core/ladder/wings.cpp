// Rung 6: wings, small patterns of cells with two or three candidates.
// XY-Wing: a pivot xy sees pincers xz and yz; whichever the pivot holds, one
// pincer is z. XYZ-Wing: the pivot xyz holds z itself or makes a pincer z.
// W-Wing: two cells xy joined by a strong link on x; one of them is y.
#include <utility>

#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

CellSet cellsWithCount(const LadderBoard& board, int count) {
    CellSet set;
    for (int cell = 0; cell < kCells; cell++) {
        if (board.values[cell] == 0 && countBits(board.candidates[cell]) == count) set.add(cell);
    }
    return set;
}

// Removes `value` from every cell that sees all of `seers` and is not in
// `pattern`; false when no such cell holds it.
bool eliminateSeenByAll(const DigitCells& where, CellSet pattern, CellSet seers, int value,
                        LadderStep& step) {
    const CellSet targets = commonPeers(seers) & where.of[value] & ~pattern;
    if (targets.empty()) return false;
    for (int cell : cellsOf(targets)) step.eliminate(cell, bitOfValue(value));
    step.cells = pattern;
    return true;
}

// Nodes: the chain first≠z → first=x → pivot≠x → pivot=y → second≠y → second=z.
// "1 and 7"
std::string bothValues(int a, int b) {
    return valueList(bitOfValue(a) | bitOfValue(b));
}

}  // namespace

bool findXYWing(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                LadderStep& step) {
    const CellSet pairs = cellsWithCount(board, 2);
    for (int pivot : cellsOf(pairs)) {
        const uint32_t xy = board.candidates[pivot];
        for (int first : cellsOf(peersOf(pivot) & pairs)) {
            const uint32_t xz = board.candidates[first];
            if (countBits(xz & xy) != 1) continue;
            const uint32_t z = xz & ~xy;
            const uint32_t yz = (xy & ~xz) | z;
            for (int second : cellsOf(peersOf(pivot) & pairs)) {
                if (second <= first || board.candidates[second] != yz) continue;
                const CellSet pincers = CellSet::of(first) | CellSet::of(second);
                const int zValue = valueOfSingleBit(z);
                if (!eliminateSeenByAll(where, pincers | CellSet::of(pivot), pincers, zValue,
                                        step)) {
                    continue;
                }
                const int x = valueOfSingleBit(xz & xy), y = valueOfSingleBit(xy & ~xz);
                step.values = static_cast<uint16_t>(xy | z);
                step.addNode(cellNode(first, zValue, false));
                step.addNode(cellNode(first, x, true));
                step.addNode(cellNode(pivot, x, false));
                step.addNode(cellNode(pivot, y, true));
                step.addNode(cellNode(second, y, false));
                step.addNode(cellNode(second, zValue, true));
                return true;
            }
        }
    }
    return false;
}

// Nodes: the pivot with z, then each pincer with the value it shares with
// the pivot besides z.
bool findXYZWing(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                 LadderStep& step) {
    const CellSet pairs = cellsWithCount(board, 2);
    for (int pivot : cellsOf(cellsWithCount(board, 3))) {
        const uint32_t xyz = board.candidates[pivot];
        for (int first : cellsOf(peersOf(pivot) & pairs)) {
            const uint32_t xz = board.candidates[first];
            if ((xz & ~xyz) != 0) continue;
            for (int second : cellsOf(peersOf(pivot) & pairs)) {
                const uint32_t yz = board.candidates[second];
                if (second <= first || (yz & ~xyz) != 0 || yz == xz) continue;
                const CellSet cells = CellSet::of(pivot) | CellSet::of(first) | CellSet::of(second);
                const int z = valueOfSingleBit(xz & yz);
                if (!eliminateSeenByAll(where, cells, cells, z, step)) continue;
                step.values = static_cast<uint16_t>(xyz);
                step.addNode(cellNode(pivot, z, true));
                step.addNode(cellNode(first, valueOfSingleBit(xz & ~yz), true));
                step.addNode(cellNode(second, valueOfSingleBit(yz & ~xz), true));
                return true;
            }
        }
    }
    return false;
}

// Nodes: the chain first≠y → first=x → nearFirst≠x → nearSecond=x →
// second≠x → second=y.
bool findWWing(const LadderBoard& board, const DigitCells& where, SolvingContext&,
               LadderStep& step) {
    const CellSet pairs = cellsWithCount(board, 2);
    for (int first : cellsOf(pairs)) {
        const uint32_t xy = board.candidates[first];
        for (int second : cellsOf(pairs & ~peersOf(first))) {
            if (second <= first || board.candidates[second] != xy) continue;
            const CellSet ends = CellSet::of(first) | CellSet::of(second);
            for (uint32_t rest = xy; rest != 0; rest = withoutLowestBit(rest)) {
                const int x = lowestBitIndex(rest) + 1;
                const int y = valueOfSingleBit(xy & ~bitOfValue(x));
                if ((commonPeers(ends) & where.of[y]).empty()) continue;
                for (int unit = 0; unit < kUnits; unit++) {
                    CellSet link = where.of[x] & unitSet(unit);
                    if (link.count() != 2 || !(link & ends).empty()) continue;
                    int nearFirst = link.first();
                    link.remove(nearFirst);
                    int nearSecond = link.first();
                    if (!peersOf(first).has(nearFirst) || !peersOf(second).has(nearSecond)) {
                        std::swap(nearFirst, nearSecond);
                    }
                    if (!peersOf(first).has(nearFirst) || !peersOf(second).has(nearSecond))
                        continue;
                    const CellSet pattern = ends | CellSet::of(nearFirst) | CellSet::of(nearSecond);
                    // The link's cells see both ends too and may lose y as well.
                    eliminateSeenByAll(where, ends, ends, y, step);
                    step.cells = pattern;
                    step.values = static_cast<uint16_t>(xy);
                    step.addUnit(unit);
                    step.addNode(cellNode(first, y, false));
                    step.addNode(cellNode(first, x, true));
                    step.addNode(cellNode(nearFirst, x, false));
                    step.addNode(cellNode(nearSecond, x, true));
                    step.addNode(cellNode(second, x, false));
                    step.addNode(cellNode(second, y, true));
                    return true;
                }
            }
        }
    }
    return false;
}

std::string describeXYWing(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string z = digitText(n[0].value);
    //: %1 the pivot, %2 its two values; %3 and %5 the pincers, %4 and %6 theirs; %7 the
    //: value the pincers share, %8 what the step removes
    const std::string pattern =
        translate("Hint", "%1 holds %2, %3 %4, %5 %6; whatever %1 holds, %3 or %5 is %7: %8");
    return namedStepOn(
        step, z,
        filled(pattern, {cell(2), bothValues(n[2].value, n[3].value), cell(0),
                         bothValues(n[1].value, n[0].value), cell(4),
                         bothValues(n[4].value, n[5].value), z, ladderStepResult(step)}));
}

std::string describeXYZWing(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string z = digitText(n[0].value);
    return namedStepOn(
        step, z,
        filled(translate("Hint",
                         "%1 holds %2, %3 %4, %5 %6; whatever %1 holds, it, %3 or "
                         "%5 is %7: %8"),
               {cell(0), valueList(step.values), cell(1), bothValues(n[1].value, n[0].value),
                cell(2), bothValues(n[2].value, n[0].value), z, ladderStepResult(step)}));
}

std::string describeWWing(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string x = digitText(n[1].value), y = digitText(n[0].value);
    return namedStep(
        step, filled(translate("Hint",
                               "%1 and %2 hold only %3; %4 has %5 only in %6, seen "
                               "by %1, and %7, seen by %2, so %1 or %2 is %8: %9"),
                     {cell(0), cell(5), valueList(step.values), unitName(step.units[0]), x, cell(2),
                      cell(3), y, ladderStepResult(step)}));
}

}  // namespace ga
