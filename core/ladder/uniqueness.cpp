// Rung 7: unique rectangles, only for a puzzle known to have one answer (the
// ladder checks that). Four empty cells at the corners of a rectangle in two
// rows, two columns and exactly two boxes that all ended up holding only x and
// y could swap them and leave a second answer; so the candidates that prevent
// this pattern must stay. Empty cells are never clues, which the swap needs.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

struct Rectangle {
    int corners[4];   // (r1,c1), (r1,c2), (r2,c1), (r2,c2)
    uint32_t common;  // the candidates all four hold
};

// Each pair of corners sharing a row or column, with the opposite pair.
constexpr int kSides[4][4] = {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 2, 1, 3}, {1, 3, 0, 2}};

// Type 1: three corners hold only x and y; the fourth must keep neither.
bool typeOne(const LadderBoard& board, const DigitCells&, const int* corners, uint32_t xy,
             LadderStep& step) {
    int exact = 0, other = -1;
    for (int i = 0; i < 4; i++) {
        if (board.candidates[corners[i]] == xy) {
            exact++;
        } else {
            other = corners[i];
        }
    }
    if (exact != 3) return false;
    step.eliminate(other, xy);
    for (int i = 0; i < 4; i++) {
        if (corners[i] != other) step.addNode(cellNode(corners[i], lowestBitIndex(xy) + 1, false));
    }
    step.addNode(cellNode(other, lowestBitIndex(xy) + 1, false));
    return true;
}

// Type 2: one side holds only x and y, the other only x, y and the same z;
// z is in one of the latter, so the cells seeing both lose it.
bool typeTwo(const LadderBoard& board, const DigitCells& where, const int* corners, uint32_t xy,
             LadderStep& step) {
    for (const auto& side : kSides) {
        const int floor1 = corners[side[0]], floor2 = corners[side[1]];
        const int roof1 = corners[side[2]], roof2 = corners[side[3]];
        if (board.candidates[floor1] != xy || board.candidates[floor2] != xy) continue;
        const uint32_t roofMask = board.candidates[roof1];
        if (board.candidates[roof2] != roofMask || countBits(roofMask) != 3) continue;
        const int z = valueOfSingleBit(roofMask & ~xy);
        const CellSet targets = peersOf(roof1) & peersOf(roof2) & where.of[z];
        if (targets.empty()) continue;
        for (int cell : cellsOf(targets)) step.eliminate(cell, bitOfValue(z));
        step.addNode(cellNode(floor1, lowestBitIndex(xy) + 1, false));
        step.addNode(cellNode(floor2, lowestBitIndex(xy) + 1, false));
        step.addNode(cellNode(roof1, z, false));
        step.addNode(cellNode(roof2, z, false));
        return true;
    }
    return false;
}

// Type 4: one side holds only x and y; on the other, a unit has x only in
// its two corners, so one is x and neither may be y.
bool typeFour(const LadderBoard& board, const DigitCells& where, const int* corners, uint32_t xy,
              LadderStep& step) {
    for (const auto& side : kSides) {
        const int floor1 = corners[side[0]], floor2 = corners[side[1]];
        const int roof1 = corners[side[2]], roof2 = corners[side[3]];
        if (board.candidates[floor1] != xy || board.candidates[floor2] != xy) continue;
        const CellSet roof = CellSet::of(roof1) | CellSet::of(roof2);
        for (int u = 0; u < 3; u++) {
            const int unit = kCellUnits[roof1][u];
            if (unit != kCellUnits[roof2][u]) continue;
            for (uint32_t rest = xy; rest != 0; rest = withoutLowestBit(rest)) {
                const int x = lowestBitIndex(rest) + 1;
                if ((where.of[x] & unitSet(unit)) != roof) continue;
                const uint32_t y = xy & ~bitOfValue(x);
                step.eliminate(roof1, y);
                step.eliminate(roof2, y);
                step.addUnit(unit);
                step.addNode(cellNode(floor1, lowestBitIndex(xy) + 1, false));
                step.addNode(cellNode(floor2, lowestBitIndex(xy) + 1, false));
                step.addNode(cellNode(roof1, x, false));
                step.addNode(cellNode(roof2, x, false));
                return true;
            }
        }
    }
    return false;
}

using RectangleType = bool (*)(const LadderBoard&, const DigitCells&, const int*, uint32_t,
                               LadderStep&);

// The first rectangle of the type, its corners in two rows, two columns and
// two boxes, on two candidates the corners share.
bool findRectangle(const LadderBoard& board, const DigitCells& where, RectangleType type,
                   LadderStep& step) {
    if (!board.uniqueAnswer) return false;
    for (int r1 = 0; r1 < 9; r1++) {
        for (int r2 = r1 + 1; r2 < 9; r2++) {
            for (int c1 = 0; c1 < 9; c1++) {
                for (int c2 = c1 + 1; c2 < 9; c2++) {
                    // Exactly two boxes: one pair of lines shares a band, the other not.
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;
                    const int corners[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    uint32_t common = kAllValues;
                    for (int cell : corners) common &= board.candidates[cell];  // 0 at a value
                    if (countBits(common) < 2) continue;
                    for (uint32_t first = common; first != 0; first = withoutLowestBit(first)) {
                        for (uint32_t second = withoutLowestBit(first); second != 0;
                             second = withoutLowestBit(second)) {
                            const uint32_t xy = bitOfValue(lowestBitIndex(first) + 1) |
                                                bitOfValue(lowestBitIndex(second) + 1);
                            if (!type(board, where, corners, xy, step)) continue;
                            step.values = static_cast<uint16_t>(xy);
                            for (int cell : corners) step.cells.add(cell);
                            return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace

bool findUniqueRectangle1(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                          LadderStep& step) {
    return findRectangle(board, where, typeOne, step);
}

bool findUniqueRectangle2(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                          LadderStep& step) {
    return findRectangle(board, where, typeTwo, step);
}

bool findUniqueRectangle4(const LadderBoard& board, const DigitCells& where, SolvingContext&,
                          LadderStep& step) {
    return findRectangle(board, where, typeFour, step);
}

std::string describeUniqueRectangle1(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string xy = valueList(step.values);
    return namedStepOn(
        step, xy,
        filled(translate("Hint",
                         "%1, %2 and %3 hold only %4; were %5 %6 as well, the four cells "
                         "could swap %4 and the puzzle would have two answers: %7"),
               {cell(0), cell(1), cell(2), xy, cell(3), valueList(step.values, Joiner::kOr),
                ladderStepResult(step)}));
}

std::string describeUniqueRectangle2(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string xy = valueList(step.values);
    return namedStepOn(
        step, xy,
        filled(translate("Hint",
                         "%1 and %2 hold only %3, %4 and %5 only those and %6; one of the "
                         "latter must be %6, or the four cells could swap %3 and the "
                         "puzzle would have two answers: %7"),
               {cell(0), cell(1), xy, cell(2), cell(3), digitText(n[2].value),
                ladderStepResult(step)}));
}

std::string describeUniqueRectangle4(const LadderStep& step, StepWords) {
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    const std::string xy = valueList(step.values);
    const std::string x = digitText(n[2].value);
    const std::string y = digitText(valueOfSingleBit(step.values & ~bitOfValue(n[2].value)));
    return namedStepOn(
        step, xy,
        filled(translate("Hint",
                         "%1 and %2 hold only %3, and %4 has %5 only in %6 and %7; one of "
                         "them is %5, so were the other %8, the four cells could swap %3 "
                         "and the puzzle would have two answers: %9"),
               {cell(0), cell(1), xy, unitName(step.units[0]), x, cell(2), cell(3), y,
                ladderStepResult(step)}));
}

}  // namespace ga
