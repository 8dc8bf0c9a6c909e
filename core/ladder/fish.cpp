// Rung 4, fish on one value: in n base lines (rows, or columns) the value can
// go only in n cover lines (columns, or rows), so it fills each cover line
// within the base lines and leaves the rest of the cover lines. A finned fish
// has extra cells, the fins, in one box: if a fin holds the value the box
// loses it elsewhere, if none does the fish stands, so either way the cover
// cells in the fins' box outside the base lines lose it. Sashimi: a cover
// line meets the base lines in only one cell, so without the fins the fish
// would not even be one.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

enum class Fins { kNone, kFinned, kSashimi };

// One value's places seen along one kind of line: bit p of mask[i] when the
// value can go at position p (the cross line's index) of base line i.
struct LineMasks {
    int baseKind;  // 0 rows are the base lines, 1 columns
    uint32_t mask[9];
};

int baseUnit(const LineMasks& lines, int index) {
    return lines.baseKind * 9 + index;
}
int coverUnit(const LineMasks& lines, int position) {
    return (1 - lines.baseKind) * 9 + position;
}

LineMasks lineMasks(CellSet places, int baseKind) {
    LineMasks lines{baseKind, {}};
    for (int cell : cellsOf(places)) {
        const int line = baseKind == 0 ? rowOf(cell) : columnOf(cell);
        const int position = baseKind == 0 ? columnOf(cell) : rowOf(cell);
        lines.mask[line] |= 1u << position;
    }
    return lines;
}

CellSet baseCells(const LineMasks& lines, const int* base, int size) {
    CellSet cells;
    for (int i = 0; i < size; i++) cells |= unitSet(baseUnit(lines, base[i]));
    return cells;
}

CellSet coverCells(const LineMasks& lines, uint32_t cover) {
    CellSet cells;
    for (uint32_t m = cover; m != 0; m = withoutLowestBit(m))
        cells |= unitSet(coverUnit(lines, lowestBitIndex(m)));
    return cells;
}

void fillStep(const LineMasks& lines, int value, CellSet places, const int* base, int size,
              uint32_t cover, CellSet losing, LadderStep& step) {
    for (int i = 0; i < size; i++) step.addUnit(baseUnit(lines, base[i]));
    step.baseUnitCount = static_cast<uint8_t>(size);
    for (uint32_t m = cover; m != 0; m = withoutLowestBit(m))
        step.addUnit(coverUnit(lines, lowestBitIndex(m)));
    for (int cell : cellsOf(losing)) step.eliminate(cell, bitOfValue(value));
    step.values = static_cast<uint16_t>(bitOfValue(value));
    step.cells = places & baseCells(lines, base, size);
}

// A cover line that meets the base lines in a single cell.
bool isSashimi(const LineMasks& lines, const int* base, int size, uint32_t cover) {
    for (uint32_t m = cover; m != 0; m = withoutLowestBit(m)) {
        int meets = 0;
        for (int i = 0; i < size; i++) meets += (lines.mask[base[i]] & m & -m) != 0;
        if (meets == 1) return true;
    }
    return false;
}

// The fish on these base lines, with its fins (if any) in `box`.
bool fishOnBase(const LineMasks& lines, int value, CellSet places, const int* base, int size,
                Fins fins, LadderStep& step) {
    const CellSet inBase = baseCells(lines, base, size);
    uint32_t all = 0;
    for (int i = 0; i < size; i++) all |= lines.mask[base[i]];
    // Two base lines holding the value twice each are two strong links: as a
    // sashimi X-Wing that is the Skyscraper, which people know by that name,
    // so it is left to its own rung.
    if (fins == Fins::kSashimi && size == 2 && countBits(lines.mask[base[0]]) == 2 &&
        countBits(lines.mask[base[1]]) == 2) {
        return false;
    }
    if (fins == Fins::kNone) {
        if (countBits(all) != size) return false;
        const CellSet losing = places & coverCells(lines, all) & ~inBase;
        if (losing.empty()) return false;
        fillStep(lines, value, places, base, size, all, losing, step);
        return true;
    }
    for (int box = 0; box < 9; box++) {
        // The box's lines of the base kind, and its positions along them.
        const int firstLine = lines.baseKind == 0 ? box / 3 * 3 : box % 3 * 3;
        const uint32_t boxPositions = 7u << (lines.baseKind == 0 ? box % 3 * 3 : box / 3 * 3);
        // Outside the box every place must be a cover position; inside, the
        // base cells may add cover positions, the rest are fins.
        uint32_t outside = 0, inside = 0;
        for (int i = 0; i < size; i++) {
            const bool crossesBox = base[i] >= firstLine && base[i] < firstLine + 3;
            outside |= lines.mask[base[i]] & (crossesBox ? ~boxPositions : ~0u);
            if (crossesBox) inside |= lines.mask[base[i]] & boxPositions;
        }
        if (inside == 0 || countBits(outside) > size) continue;
        const uint32_t extra = inside & ~outside;
        // Each way of completing the cover from the box's positions.
        for (uint32_t more = extra;; more = (more - 1) & extra) {
            const uint32_t cover = outside | more;
            bool valid = countBits(cover) == size && (inside & ~cover) != 0;
            for (int i = 0; i < size && valid; i++) valid = (lines.mask[base[i]] & cover) != 0;
            if (valid && isSashimi(lines, base, size, cover) == (fins == Fins::kSashimi)) {
                const CellSet losing =
                    places & unitSet(18 + box) & coverCells(lines, cover) & ~inBase;
                if (!losing.empty()) {
                    fillStep(lines, value, places, base, size, cover, losing, step);
                    return true;
                }
            }
            if (more == 0) break;
        }
    }
    return false;
}

bool findFish(const DigitCells& where, int size, Fins fins, LadderStep& step) {
    // A base line of a plain fish has at most `size` places; fins add up to
    // three in their box.
    const int mostPlaces = size + (fins == Fins::kNone ? 0 : 3);
    for (int value = 1; value <= 9; value++) {
        const CellSet places = where.of[value];
        for (int baseKind = 0; baseKind < 2; baseKind++) {
            const LineMasks lines = lineMasks(places, baseKind);
            int candidates[9], count = 0;
            for (int line = 0; line < 9; line++) {
                const int placesInLine = countBits(lines.mask[line]);
                if (placesInLine >= 2 && placesInLine <= mostPlaces) candidates[count++] = line;
            }
            if (count < size) continue;
            int chosen[4];
            for (int i = 0; i < size; i++) chosen[i] = i;
            for (;;) {
                int base[4];
                for (int i = 0; i < size; i++) base[i] = candidates[chosen[i]];
                if (fishOnBase(lines, value, places, base, size, fins, step)) return true;
                int i = size - 1;
                while (i >= 0 && chosen[i] == count - size + i) i--;
                if (i < 0) break;
                chosen[i]++;
                for (int j = i + 1; j < size; j++) chosen[j] = chosen[j - 1] + 1;
            }
        }
    }
    return false;
}

}  // namespace

bool findXWing(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    return findFish(where, 2, Fins::kNone, step);
}

bool findFinnedXWing(const LadderBoard&, const DigitCells& where, SolvingContext&,
                     LadderStep& step) {
    return findFish(where, 2, Fins::kFinned, step);
}

bool findSashimiXWing(const LadderBoard&, const DigitCells& where, SolvingContext&,
                      LadderStep& step) {
    return findFish(where, 2, Fins::kSashimi, step);
}

bool findSwordfish(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    return findFish(where, 3, Fins::kNone, step);
}

bool findFinnedSwordfish(const LadderBoard&, const DigitCells& where, SolvingContext&,
                         LadderStep& step) {
    return findFish(where, 3, Fins::kFinned, step);
}

bool findSashimiSwordfish(const LadderBoard&, const DigitCells& where, SolvingContext&,
                          LadderStep& step) {
    return findFish(where, 3, Fins::kSashimi, step);
}

bool findJellyfish(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    return findFish(where, 4, Fins::kNone, step);
}

// "rows 2 and 7: 4 can go only in columns 3 and 8, so r5c3 and r9c8 lose 4"
// "rows 2 and 7: 4 can go only in columns 3 and 8 or in the fin r7c9; either
// way r8c8 loses 4"
std::string describeFish(const LadderStep& step, StepWords) {
    const int size = step.baseUnitCount;
    CellSet cover;
    for (int i = size; i < step.unitCount; i++) cover |= unitSet(step.units[i]);
    const CellSet fins = step.cells & ~cover;
    const CellSet losing = eliminatedCells(step);
    const std::string value = valueList(step.values);
    const std::string base = unitNames(step, 0, size);
    const std::string covers = unitNames(step, size, step.unitCount - size);
    const bool one = losing.count() == 1;
    if (fins.empty()) {
        const char* pattern =
            one ? QT_TRANSLATE_NOOP("Hint", "%1: %2 can go only in %3, so %4 loses %5")
                : QT_TRANSLATE_NOOP("Hint", "%1: %2 can go only in %3, so %4 lose %5");
        return filled(translate("Hint", pattern), {base, value, covers, cellNames(losing), value});
    }
    const char* pattern =
        fins.count() == 1
            ? (one ? QT_TRANSLATE_NOOP(
                         "Hint",
                         "%1: %2 can go only in %3 or in the fin %4; either way %5 loses %6")
                   : QT_TRANSLATE_NOOP(
                         "Hint",
                         "%1: %2 can go only in %3 or in the fin %4; either way %5 lose %6"))
            : (one ? QT_TRANSLATE_NOOP(
                         "Hint",
                         "%1: %2 can go only in %3 or in the fins %4; either way %5 loses %6")
                   : QT_TRANSLATE_NOOP(
                         "Hint",
                         "%1: %2 can go only in %3 or in the fins %4; either way %5 lose %6"));
    return filled(translate("Hint", pattern),
                  {base, value, covers, cellNames(fins), cellNames(losing), value});
}

}  // namespace ga
