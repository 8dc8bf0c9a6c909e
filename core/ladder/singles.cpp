// Rung 1: a unit with one empty cell left (full house), a value with one
// place left in a unit (hidden single), a cell with one candidate left
// (naked single).
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/words.h"

namespace ga {

namespace {

void placeStep(LadderStep& step, int cell, int value) {
    step.placedCell = static_cast<uint8_t>(cell);
    step.placedValue = static_cast<uint8_t>(value);
    step.values = static_cast<uint16_t>(bitOfValue(value));
    step.cells.add(cell);
}

}  // namespace

bool findFullHouse(const LadderBoard& board, const DigitCells&, SolvingContext&, LadderStep& step) {
    for (int unit = 0; unit < kUnits; unit++) {
        int empty = -1, emptyCount = 0;
        for (int cell : kUnitCells[unit]) {
            if (board.values[cell] == 0) {
                empty = cell;
                emptyCount++;
            }
        }
        if (emptyCount != 1 || !isSingleBit(board.candidates[empty])) continue;
        placeStep(step, empty, valueOfSingleBit(board.candidates[empty]));
        step.addUnit(unit);
        return true;
    }
    return false;
}

bool findHiddenSingle(const LadderBoard&, const DigitCells& where, SolvingContext&,
                      LadderStep& step) {
    // Boxes first: that is where a person looks for them first.
    static constexpr int kUnitOrder[3] = {2, 0, 1};
    for (int kind : kUnitOrder) {
        for (int value = 1; value <= 9; value++) {
            for (int unit = kind * 9; unit < kind * 9 + 9; unit++) {
                const CellSet places = where.of[value] & unitSet(unit);
                if (places.count() != 1) continue;
                placeStep(step, places.first(), value);
                step.addUnit(unit);
                return true;
            }
        }
    }
    return false;
}

bool findNakedSingle(const LadderBoard& board, const DigitCells&, SolvingContext&,
                     LadderStep& step) {
    for (int cell = 0; cell < kCells; cell++) {
        if (board.values[cell] == 0 && isSingleBit(board.candidates[cell])) {
            placeStep(step, cell, valueOfSingleBit(board.candidates[cell]));
            return true;
        }
    }
    return false;
}

std::string describeFullHouse(const LadderStep& step, StepWords) {
    return filled(
        translate("Hint", "%1: %2 is the last empty cell, so it takes %3"),
        {unitName(step.units[0]), cellName(step.placedCell), digitText(step.placedValue)});
}

std::string describeHiddenSingle(const LadderStep& step, StepWords) {
    return hiddenSingleText(step.units[0], step.placedValue, cellName(step.placedCell));
}

std::string describeNakedSingle(const LadderStep& step, StepWords) {
    return nakedSingleText(step.placedCell, step.placedValue);
}

}  // namespace ga
