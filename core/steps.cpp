#include "core/steps.h"

#include "core/bits.h"
#include "core/subset_graph.h"

namespace ga {

namespace {

uint32_t valueBit(int32_t value) {
    return value >= 1 && value <= 9 ? bitOfValue(value) : 0;
}

Step stepAbout(StepKind kind, int unit, uint32_t values) {
    Step step;
    step.kind = kind;
    step.unit = unit;
    step.values = static_cast<uint16_t>(values);
    return step;
}

void addCell(Step& step, int cell) {
    step.cells[step.cellCount++] = static_cast<uint8_t>(cell);
}

bool isEmpty(const LadderBoard& board, int cell) {
    return board.values[cell] == 0;
}

// The first empty cell without candidates, else the first with one.
Step cellStep(const LadderBoard& board) {
    int single = -1;
    for (int cell = 0; cell < kCells; cell++) {
        if (!isEmpty(board, cell)) continue;
        uint32_t mask = board.candidates[cell];
        if (mask == 0) {
            Step step = stepAbout(StepKind::kNoCandidate, -1, 0);
            addCell(step, cell);
            return step;
        }
        if (single < 0 && isSingleBit(mask)) single = cell;
    }
    if (single < 0) return Step{};
    Step step = stepAbout(StepKind::kNakedSingle, -1, board.candidates[single]);
    addCell(step, single);
    return step;
}

// In unit order: the first duplicate or value without a place; else the first
// value with a single place.
Step unitStep(const LadderBoard& board) {
    Step hidden;
    for (int unit = 0; unit < kUnits; unit++) {
        const uint8_t* cells = kUnitCells[unit];
        uint32_t placed = 0, once = 0, twice = 0;
        for (int p = 0; p < 9; p++) {
            int cell = cells[p];
            uint32_t bit = valueBit(board.values[cell]);
            if (bit & placed) {
                Step step = stepAbout(StepKind::kDuplicate, unit, bit);
                for (int q = 0; q <= p; q++) {
                    if (board.values[cells[q]] == board.values[cell]) addCell(step, cells[q]);
                }
                return step;
            }
            placed |= bit;
            if (!isEmpty(board, cell)) continue;
            uint32_t mask = board.candidates[cell];
            twice |= once & mask;
            once |= mask;
        }
        uint32_t missing = kAllValues & ~placed & ~once;
        if (missing != 0) {
            Step step =
                stepAbout(StepKind::kNoPlace, unit, bitOfValue(lowestBitIndex(missing) + 1));
            for (int cell : kUnitCells[unit]) {
                if (isEmpty(board, cell)) addCell(step, cell);
            }
            return step;
        }
        uint32_t single = once & ~twice;
        if (hidden.kind != StepKind::kNone || single == 0) continue;
        uint32_t bit = single & (0u - single);
        hidden = stepAbout(StepKind::kHiddenSingle, unit, bit);
        for (int cell : kUnitCells[unit]) {
            if (isEmpty(board, cell) && (board.candidates[cell] & bit)) addCell(hidden, cell);
        }
    }
    return hidden;
}

// The unit's cells that still have candidates, and the tables of the values
// confined to and held by every set of them.
struct UnitSubsets {
    int m = 0;
    uint8_t cells[9];
    SubsetTables tables;
    uint32_t confined(uint32_t e) const { return tables.confined(e); }
    uint32_t held(uint32_t e) const { return tables.held(e); }
};

void fillUnitSubsets(const LadderBoard& board, int unit, UnitSubsets& s) {
    uint32_t placesOf[9] = {}, held[9];
    s.m = 0;
    for (int cell : kUnitCells[unit]) {
        if (!isEmpty(board, cell) || board.candidates[cell] == 0) continue;
        for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
            placesOf[lowestBitIndex(mask)] |= 1u << s.m;
        }
        held[s.m] = board.candidates[cell];
        s.cells[s.m++] = static_cast<uint8_t>(cell);
    }
    s.tables.fill(placesOf, held, s.m);
}

// The smallest hidden subset that removes something, unit by unit; a set of
// cells with more confined values than cells is a contradiction and wins.
Step subsetStep(const LadderBoard& board) {
    UnitSubsets s;
    int bestUnit = -1, bestSize = 10;
    uint32_t bestCells = 0;
    for (int unit = 0; unit < kUnits && bestSize > 2; unit++) {
        fillUnitSubsets(board, unit, s);
        for (uint32_t e = 1; e < (1u << s.m); e++) {
            int k = countBits(e);
            int confined = countBits(s.confined(e));
            if (confined > k) {
                Step step = stepAbout(StepKind::kTooFewCells, unit, s.confined(e));
                for (uint32_t rest = e; rest != 0; rest = withoutLowestBit(rest)) {
                    addCell(step, s.cells[lowestBitIndex(rest)]);
                }
                return step;
            }
            if (confined == k && k >= 2 && k < s.m && k < bestSize &&
                (s.held(e) & ~s.confined(e)) != 0) {
                bestUnit = unit;
                bestSize = k;
                bestCells = e;
            }
        }
    }
    if (bestUnit < 0) return Step{};
    fillUnitSubsets(board, bestUnit, s);
    Step step = stepAbout(StepKind::kHiddenSubset, bestUnit, s.confined(bestCells));
    for (uint32_t rest = bestCells; rest != 0; rest = withoutLowestBit(rest)) {
        int cell = s.cells[lowestBitIndex(rest)];
        addCell(step, cell);
        uint32_t lost = board.candidates[cell] & ~step.values;
        if (lost != 0) {
            step.removals[step.removalCount++] = {static_cast<uint8_t>(cell),
                                                  static_cast<uint16_t>(lost)};
        }
    }
    return step;
}

}  // namespace

void loadStepBoard(const PuzzleRecord& record, LadderBoard& board) {
    int32_t values[kCells];
    for (int cell = 0; cell < kCells; cell++) values[cell] = shownValue(record, cell);
    loadLadderBoard(values, false, board);
}

Step nextStep(const LadderBoard& board) {
    Step byCell = cellStep(board);
    if (byCell.kind == StepKind::kNoCandidate) return byCell;
    Step byUnit = unitStep(board);
    if (isContradiction(byUnit.kind)) return byUnit;
    if (byCell.kind != StepKind::kNone) return byCell;
    if (byUnit.kind != StepKind::kNone) return byUnit;
    return subsetStep(board);
}

void applyStep(LadderBoard& board, const Step& step) {
    if (step.kind == StepKind::kNakedSingle || step.kind == StepKind::kHiddenSingle) {
        placeValue(board, step.cells[0], valueOfSingleBit(step.values));
    } else if (step.kind == StepKind::kHiddenSubset) {
        for (int i = 0; i < step.removalCount; i++) {
            board.candidates[step.removals[i].cell] &=
                static_cast<uint16_t>(~step.removals[i].values);
        }
    }
}

}  // namespace ga
