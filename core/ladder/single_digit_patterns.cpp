// Rung 5: patterns of one value built from two strong links (a unit where the
// value has exactly two places). Skyscraper, 2-String Kite and Turbot Fish
// are the same short chain "end1≠v → mid1=v → mid2≠v → end2=v" told apart by
// the kinds of unit the links lie in; the Empty Rectangle puts one strong
// link against a box whose places form a cross.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

constexpr int kBoxUnit = 18;

struct StrongLink {
    uint8_t unit;
    uint8_t cells[2];
};

int unitKind(int unit) {
    return unit / 9;  // 0 row, 1 column, 2 box
}

// Every unit where `value` has exactly two places, rows, columns, then boxes.
int strongLinks(const DigitCells& where, int value, StrongLink* links) {
    int count = 0;
    for (int unit = 0; unit < kUnits; unit++) {
        const CellSet places = where.of[value] & unitSet(unit);
        if (places.count() != 2) continue;
        CellSet rest = places;
        const int first = rest.first();
        rest.remove(first);
        links[count++] = {static_cast<uint8_t>(unit),
                          {static_cast<uint8_t>(first), static_cast<uint8_t>(rest.first())}};
    }
    return count;
}

// The first unit the two cells share, -1 when they share none.
int sharedUnit(int a, int b) {
    for (int u = 0; u < 3; u++) {
        if (kCellUnits[a][u] == kCellUnits[b][u]) return kCellUnits[a][u];
    }
    return -1;
}

// Two parallel lines whose near ends share a crossing line.
bool isSkyscraper(const StrongLink& first, const StrongLink& second, int weakUnit) {
    const int kind1 = unitKind(first.unit), kind2 = unitKind(second.unit);
    return kind1 != 2 && kind1 == kind2 && unitKind(weakUnit) == 1 - kind1;
}

// A row and a column.
bool isTwoStringKite(const StrongLink& first, const StrongLink& second, int) {
    const int kind1 = unitKind(first.unit), kind2 = unitKind(second.unit);
    return kind1 != 2 && kind2 != 2 && kind1 != kind2;
}

// Any other two links: a box among them.
bool isTurbotFish(const StrongLink& first, const StrongLink& second, int weakUnit) {
    return !isSkyscraper(first, second, weakUnit) && !isTwoStringKite(first, second, weakUnit);
}

using PatternTest = bool (*)(const StrongLink&, const StrongLink&, int);

// end1 and end2 cannot both lack the value: either end1 holds it, or mid1
// does, so mid2 does not and end2 does.
bool findTwoLinkPattern(const DigitCells& where, PatternTest patternIs, LadderStep& step) {
    StrongLink links[kUnits];
    for (int value = 1; value <= 9; value++) {
        const int linkCount = strongLinks(where, value, links);
        for (int i = 0; i < linkCount; i++) {
            for (int j = i + 1; j < linkCount; j++) {
                for (int side = 0; side < 4; side++) {
                    const int end1 = links[i].cells[side & 1],
                              mid1 = links[i].cells[1 - (side & 1)];
                    const int mid2 = links[j].cells[side >> 1],
                              end2 = links[j].cells[1 - (side >> 1)];
                    if (mid1 == mid2 || end1 == end2 || end1 == mid2 || mid1 == end2) continue;
                    const int weakUnit = sharedUnit(mid1, mid2);
                    if (weakUnit < 0 || !patternIs(links[i], links[j], weakUnit)) continue;
                    CellSet pattern = CellSet::of(end1) | CellSet::of(mid1) | CellSet::of(mid2) |
                                      CellSet::of(end2);
                    const CellSet targets =
                        peersOf(end1) & peersOf(end2) & where.of[value] & ~pattern;
                    if (targets.empty()) continue;
                    for (int cell : cellsOf(targets)) step.eliminate(cell, bitOfValue(value));
                    step.values = static_cast<uint16_t>(bitOfValue(value));
                    step.cells = pattern;
                    step.addUnit(links[i].unit);
                    step.addUnit(links[j].unit);
                    step.addUnit(weakUnit);
                    step.baseUnitCount = 2;
                    step.addNode(cellNode(end1, value, false));
                    step.addNode(cellNode(mid1, value, true));
                    step.addNode(cellNode(mid2, value, false));
                    step.addNode(cellNode(end2, value, true));
                    return true;
                }
            }
        }
    }
    return false;
}

// A box whose places of the value lie in one row and one column of it (but
// not in either alone), and a strong link in a line crossing that row (or
// column) outside the box: if the link's near end holds the value, the box's
// is in the column (row); if not, its far end does. A cell in line with both
// loses the value.
}  // namespace

bool findEmptyRectangle(const LadderBoard&, const DigitCells& where, SolvingContext&,
                        LadderStep& step) {
    for (int value = 1; value <= 9; value++) {
        for (int box = 0; box < 9; box++) {
            const CellSet inBox = where.of[value] & unitSet(kBoxUnit + box);
            if (inBox.count() < 2) continue;
            const int top = 3 * (box / 3), left = 3 * (box % 3);
            for (int row = top; row < top + 3; row++) {
                for (int column = left; column < left + 3; column++) {
                    const CellSet rowSet = unitSet(row), columnSet = unitSet(9 + column);
                    if (!(inBox & ~(rowSet | columnSet)).empty()) continue;
                    if ((inBox & ~rowSet).empty() || (inBox & ~columnSet).empty()) continue;
                    // A link in a column crossing `row`, or in a row crossing `column`.
                    for (int lineKind = 0; lineKind < 2; lineKind++) {
                        for (int line = 0; line < 9; line++) {
                            const bool inBand =
                                lineKind == 0 ? line / 3 == box % 3 : line / 3 == box / 3;
                            if (inBand) continue;
                            const int linkUnit = lineKind == 0 ? 9 + line : line;
                            const CellSet places = where.of[value] & unitSet(linkUnit);
                            if (places.count() != 2) continue;
                            // The near end lies in the cross's line; the far end outside the box's
                            // band.
                            const int nearCell = lineKind == 0 ? row * 9 + line : line * 9 + column;
                            if (!places.has(nearCell)) continue;
                            CellSet rest = places;
                            rest.remove(nearCell);
                            const int farCell = rest.first();
                            const int farLine = lineKind == 0 ? rowOf(farCell) : columnOf(farCell);
                            if (farLine / 3 == (lineKind == 0 ? box / 3 : box % 3)) continue;
                            const int target =
                                lineKind == 0 ? farLine * 9 + column : row * 9 + farLine;
                            if (!where.of[value].has(target)) continue;
                            step.eliminate(target, bitOfValue(value));
                            step.values = static_cast<uint16_t>(bitOfValue(value));
                            step.cells = inBox | places;
                            step.addUnit(kBoxUnit + box);
                            step.addUnit(linkUnit);
                            step.addUnit(row);
                            step.addUnit(9 + column);
                            step.baseUnitCount = 2;
                            step.addNode(cellNode(nearCell, value, true));
                            step.addNode(cellNode(farCell, value, true));
                            return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

bool findSkyscraper(const LadderBoard&, const DigitCells& where, SolvingContext&,
                    LadderStep& step) {
    return findTwoLinkPattern(where, isSkyscraper, step);
}

bool findTwoStringKite(const LadderBoard&, const DigitCells& where, SolvingContext&,
                       LadderStep& step) {
    return findTwoLinkPattern(where, isTwoStringKite, step);
}

bool findTurbotFish(const LadderBoard&, const DigitCells& where, SolvingContext&,
                    LadderStep& step) {
    return findTwoLinkPattern(where, isTurbotFish, step);
}

std::string describeTwoLinkPattern(const LadderStep& step, StepWords) {
    const std::string value = digitText(valueOfSingleBit(step.values));
    const std::string result = ladderStepResult(step);
    const ChainNode* n = step.nodes;
    auto cell = [&](int i) { return cellName(n[i].cells[0]); };
    auto unit = [&](int i) { return unitName(step.units[i]); };
    return namedStepOn(
        step, value,
        filled(translate("Hint",
                         "%1 has it only in %2 and %3, %4 only in %5 and %6; %3 and "
                         "%5 share %7, so %2 or %6 is %8: %9"),
               {unit(0), cell(0), cell(1), unit(1), cell(2), cell(3), unit(2), value, result}));
}

std::string describeEmptyRectangle(const LadderStep& step, StepWords) {
    const std::string value = digitText(valueOfSingleBit(step.values));
    const std::string result = ladderStepResult(step);
    auto cell = [&](int i) { return cellName(step.nodes[i].cells[0]); };
    auto unit = [&](int i) { return unitName(step.units[i]); };
    return namedStepOn(
        step, value,
        filled(translate("Hint",
                         "%1 has it only in %2 and %3, %4 only in %5 and %6; if %5 is %7, %1's %7 "
                         "is in its %8, otherwise %6 is: %9"),
               {unit(0), unit(2), unit(3), unit(1), cell(0), cell(1), value,
                step.units[1] < 9 ? unit(2) : unit(3), result}));
}

}  // namespace ga
