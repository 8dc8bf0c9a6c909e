#include "core/hint.h"

#include "core/bits.h"
#include "core/words.h"

namespace ga {

namespace {

// ---------------------------------------------------------------------------
// Words
// ---------------------------------------------------------------------------

const char* const kNoAnswer = ", so the board has no answer";
const char* const kNeedsGuessText = "no logical step is left; the rest needs a guess";
// A subset's removals are listed when they are this few; more would make the
// line hard to read.
constexpr int kListedRemovalsAtMost = 6;
const char* const kFinishedText = "the board is complete: nothing is left to hint";

// Where a value with one place goes: the column in a row, the row in a
// column, the cell in a box.
std::string placeInUnit(int unit, int cell) {
    switch (unit / 9) {
        case 0:
            return "column " + digitText(columnOf(cell) + 1);
        case 1:
            return "row " + digitText(rowOf(cell) + 1);
        default:
            return cellName(cell);
    }
}

// " (r4c5 loses 1, 6; r6c4 loses 2)" when short, else nothing.
std::string removalList(const Step& step) {
    int removed = 0;
    for (int i = 0; i < step.removalCount; i++) removed += countBits(step.removals[i].values);
    if (removed > kListedRemovalsAtMost) return "";
    std::string text = " (";
    for (int i = 0; i < step.removalCount; i++) {
        if (i > 0) text += "; ";
        text +=
            cellName(step.removals[i].cell) + " loses " + valueList(step.removals[i].values, ", ");
    }
    return text + ")";
}

// ---------------------------------------------------------------------------
// The hint's checks on the record
// ---------------------------------------------------------------------------

// The first open cell whose value clashes, with the cells it clashes with.
bool findClash(const PuzzleRecord& record, Hint& hint) {
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] != 1 || hasConflict(record, cell) == 0) continue;
        const int32_t value = record.valueGrid[cell];
        hint.cells[hint.cellCount++] = static_cast<uint8_t>(cell);
        for (int other = 0; other < kCells; other++) {
            bool peer = rowOf(other) == rowOf(cell) || columnOf(other) == columnOf(cell) ||
                        boxOf(other) == boxOf(cell);
            if (other != cell && peer && shownValue(record, other) == value) {
                hint.cells[hint.cellCount++] = static_cast<uint8_t>(other);
            }
        }
        hint.kind = HintKind::kClash;
        hint.text = cellName(cell) + ": " + digitText(value) + " clashes with " +
                    cellList(hint.cells + 1, hint.cellCount - 1);
        return true;
    }
    return false;
}

bool findWrongValue(const PuzzleRecord& record, Hint& hint) {
    if (record.answerKnown != 1) return false;
    for (int cell = 0; cell < kCells; cell++) {
        const int32_t value = record.valueGrid[cell];
        if (record.openFlags[cell] != 1 || value == 0 || value == record.answerGrid[cell]) {
            continue;
        }
        hint.kind = HintKind::kWrongValue;
        hint.cells[hint.cellCount++] = static_cast<uint8_t>(cell);
        hint.text = cellName(cell) + ": " + digitText(value) + " is not the answer's value";
        return true;
    }
    return false;
}

}  // namespace

std::string stepText(const Step& step) {
    const std::string values = valueList(step.values);
    const std::string cells = cellList(step.cells, step.cellCount);
    switch (step.kind) {
        case StepKind::kNone:
            return kNeedsGuessText;
        case StepKind::kNakedSingle:
            return cells + ": only " + values + " is left";
        case StepKind::kHiddenSingle:
            return unitName(step.unit) + ": " + values + " fits only in " +
                   placeInUnit(step.unit, step.cells[0]);
        case StepKind::kHiddenSubset:
            return unitName(step.unit) + ": " + values + " can go only in " + cells +
                   ", which lose their other candidates" + removalList(step);
        case StepKind::kDuplicate:
            return unitName(step.unit) + ": " + values + " stands twice, in " + cells + kNoAnswer;
        case StepKind::kNoCandidate:
            return cells + ": no candidate is left" + kNoAnswer;
        case StepKind::kNoPlace:
            return unitName(step.unit) + ": " + values + " has no place left" + kNoAnswer;
        case StepKind::kTooFewCells:
            return unitName(step.unit) + ": " + values + " can go only in " + cells +
                   ", too few cells" + kNoAnswer;
    }
    return "";
}

Hint hintFor(const PuzzleRecord& record) {
    Hint hint;
    if (findClash(record, hint) || findWrongValue(record, hint)) return hint;
    StepBoard board;
    loadStepBoard(record, board);
    hint.step = nextStep(board);
    if (hint.step.kind != StepKind::kNone) {
        hint.kind = HintKind::kStep;
        hint.cellCount = hint.step.cellCount;
        for (int i = 0; i < hint.cellCount; i++) hint.cells[i] = hint.step.cells[i];
        hint.text = stepText(hint.step);
    } else if (countOpenEmpty(board) == 0) {
        hint.kind = HintKind::kFinished;
        hint.text = kFinishedText;
    } else {
        hint.kind = HintKind::kNeedsGuess;
        hint.text = kNeedsGuessText;
    }
    return hint;
}

}  // namespace ga
