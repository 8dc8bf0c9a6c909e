// Rung 3, subsets of two to four. Naked: k cells of a unit hold only k values
// between them, so those values leave every other cell that sees all k.
// Hidden: k values of a unit can go only in k cells, so those cells lose
// every other value.
#include "core/bits.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/set_words.h"

namespace ga {

namespace {

// Calls visit(chosen, size) for each choice of `size` of the first `count`
// items, in ascending order, until it returns true.
template <typename Visit>
bool forEachChoice(int count, int size, Visit visit) {
    int chosen[4];
    for (int i = 0; i < size; i++) chosen[i] = i;
    if (size > count) return false;
    for (;;) {
        if (visit(chosen)) return true;
        int i = size - 1;
        while (i >= 0 && chosen[i] == count - size + i) i--;
        if (i < 0) return false;
        chosen[i]++;
        for (int j = i + 1; j < size; j++) chosen[j] = chosen[j - 1] + 1;
    }
}

// Every unit holding all the cells, `first` named first.
void addSharedUnits(CellSet cells, int first, LadderStep& step) {
    step.addUnit(first);
    for (int unit = 0; unit < kUnits; unit++) {
        if (unit != first && (cells & unitSet(unit)) == cells) step.addUnit(unit);
    }
    step.baseUnitCount = step.unitCount;
}

bool findNaked(const LadderBoard& board, int size, LadderStep& step) {
    for (int unit = 0; unit < kUnits; unit++) {
        int cells[9], count = 0;
        for (int cell : kUnitCells[unit]) {
            const int candidates = countBits(board.candidates[cell]);
            if (board.values[cell] == 0 && candidates >= 2 && candidates <= size) {
                cells[count++] = cell;
            }
        }
        const bool found = forEachChoice(count, size, [&](const int* chosen) {
            uint32_t values = 0;
            CellSet members;
            for (int i = 0; i < size; i++) {
                values |= board.candidates[cells[chosen[i]]];
                members.add(cells[chosen[i]]);
            }
            if (countBits(values) != size) return false;
            bool changes = false;
            for (int cell : cellsOf(commonPeers(members))) {
                const uint32_t losing = board.candidates[cell] & values;
                if (losing == 0) continue;
                step.eliminate(cell, losing);
                changes = true;
            }
            if (!changes) return false;
            step.values = static_cast<uint16_t>(values);
            step.cells = members;
            addSharedUnits(members, unit, step);
            return true;
        });
        if (found) return true;
    }
    return false;
}

bool findHidden(const LadderBoard& board, int size, LadderStep& step) {
    for (int unit = 0; unit < kUnits; unit++) {
        // The positions in the unit where each value can go.
        uint32_t positions[10] = {};
        for (int p = 0; p < 9; p++) {
            for (uint32_t m = board.candidates[kUnitCells[unit][p]]; m != 0;
                 m = withoutLowestBit(m)) {
                positions[lowestBitIndex(m) + 1] |= 1u << p;
            }
        }
        int values[9], count = 0;
        for (int value = 1; value <= 9; value++) {
            if (positions[value] != 0 && countBits(positions[value]) <= size) {
                values[count++] = value;
            }
        }
        const bool found = forEachChoice(count, size, [&](const int* chosen) {
            uint32_t places = 0, kept = 0;
            for (int i = 0; i < size; i++) {
                places |= positions[values[chosen[i]]];
                kept |= bitOfValue(values[chosen[i]]);
            }
            if (countBits(places) != size) return false;
            bool changes = false;
            CellSet members;
            for (uint32_t m = places; m != 0; m = withoutLowestBit(m)) {
                const int cell = kUnitCells[unit][lowestBitIndex(m)];
                members.add(cell);
                const uint32_t losing = board.candidates[cell] & ~kept;
                if (losing == 0) continue;
                step.eliminate(cell, losing);
                changes = true;
            }
            if (!changes) return false;
            step.values = static_cast<uint16_t>(kept);
            step.cells = members;
            step.addUnit(unit);
            step.baseUnitCount = 1;
            return true;
        });
        if (found) return true;
    }
    return false;
}

// The units a subset lies in: one, or a row or column and a box.
std::string subsetUnits(const LadderStep& step) {
    return listed(step.baseUnitCount, [&](int i) { return unitName(step.units[i]); });
}

}  // namespace

bool findNakedPair(const LadderBoard& board, const DigitCells&, SolvingContext&, LadderStep& step) {
    return findNaked(board, 2, step);
}

bool findNakedTriple(const LadderBoard& board, const DigitCells&, SolvingContext&,
                     LadderStep& step) {
    return findNaked(board, 3, step);
}

bool findNakedQuad(const LadderBoard& board, const DigitCells&, SolvingContext&, LadderStep& step) {
    return findNaked(board, 4, step);
}

bool findHiddenPair(const LadderBoard& board, const DigitCells&, SolvingContext&,
                    LadderStep& step) {
    return findHidden(board, 2, step);
}

bool findHiddenTriple(const LadderBoard& board, const DigitCells&, SolvingContext&,
                      LadderStep& step) {
    return findHidden(board, 3, step);
}

bool findHiddenQuad(const LadderBoard& board, const DigitCells&, SolvingContext&,
                    LadderStep& step) {
    return findHidden(board, 4, step);
}

// "row 4: r4c1 and r4c5 hold only 2 and 5, so r4c3 loses 2; r4c9 loses 2 and 5"
// (a naked subset in a row and a box: "row 4 and box 5: ...")
// "row 4: 2 and 5 can go only in r4c1 and r4c5, so r4c1 loses 7; r4c5 loses 3 and 9"
std::string describeNakedSubset(const LadderStep& step, StepWords) {
    return filled(
        translate("Hint", "%1: %2 hold only %3, so %4"),
        {subsetUnits(step), cellNames(step.cells), valueList(step.values), ladderStepResult(step)});
}

std::string describeHiddenSubset(const LadderStep& step, StepWords) {
    return filled(
        translate("Hint", "%1: %2 can go only in %3, so %4"),
        {subsetUnits(step), valueList(step.values), cellNames(step.cells), ladderStepResult(step)});
}

}  // namespace ga
