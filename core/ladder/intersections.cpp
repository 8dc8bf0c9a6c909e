// Rung 2, locked candidates: where a box meets a row or column, a value that
// the one unit holds only in the shared cells is taken from the rest of the
// other unit. Pointing: the box points along a line. Claiming: the line
// claims the value for the box.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

// `locked` holds the value only where it meets `other`; the rest of `other` loses it.
bool lockedStep(const DigitCells& where, int value, int locked, int other, LadderStep& step) {
    const CellSet places = where.of[value] & unitSet(locked);
    if (places.empty() || (places & unitSet(other)) != places) return false;
    const CellSet losing = where.of[value] & unitSet(other) & ~unitSet(locked);
    if (losing.empty()) return false;
    for (int cell : cellsOf(losing)) step.eliminate(cell, bitOfValue(value));
    step.values = static_cast<uint16_t>(bitOfValue(value));
    step.cells = places;
    step.addUnit(locked);
    step.addUnit(other);
    step.baseUnitCount = 1;
    return true;
}

// The lines (rows, then columns) that cross box `box`.
void linesOfBox(int box, int lines[6]) {
    const int band = box / 3, stack = box % 3;
    for (int i = 0; i < 3; i++) {
        lines[i] = band * 3 + i;
        lines[3 + i] = 9 + stack * 3 + i;
    }
}

}  // namespace

bool findPointing(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    for (int value = 1; value <= 9; value++) {
        for (int box = 0; box < 9; box++) {
            int lines[6];
            linesOfBox(box, lines);
            for (int line : lines) {
                if (lockedStep(where, value, 18 + box, line, step)) return true;
            }
        }
    }
    return false;
}

bool findClaiming(const LadderBoard&, const DigitCells& where, SolvingContext&, LadderStep& step) {
    for (int value = 1; value <= 9; value++) {
        for (int line = 0; line < 18; line++) {
            // A line crosses three boxes: the three along its band or stack.
            const int firstBox = line < 9 ? (line / 3) * 3 : (line - 9) / 3;
            const int boxStep = line < 9 ? 1 : 3;
            for (int i = 0; i < 3; i++) {
                if (lockedStep(where, value, line, 18 + firstBox + i * boxStep, step)) return true;
            }
        }
    }
    return false;
}

// "box 5: 3 can go only in row 4, so r4c7 and r4c8 lose 3"
std::string describeLockedCandidates(const LadderStep& step, StepWords) {
    const std::string value = valueList(step.values);
    const CellSet losing = eliminatedCells(step);
    const char* pattern =
        losing.count() == 1 ? QT_TRANSLATE_NOOP("Hint", "%1: %2 can go only in %3, so %4 loses %5")
                            : QT_TRANSLATE_NOOP("Hint", "%1: %2 can go only in %3, so %4 lose %5");
    return filled(translate("Hint", pattern), {unitName(step.units[0]), value,
                                               unitName(step.units[1]), cellNames(losing), value});
}

}  // namespace ga
