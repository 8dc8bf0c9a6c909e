#include "core/hint.h"

#include "core/bits.h"
#include "core/words.h"

namespace ga {

namespace {

// ---------------------------------------------------------------------------
// Words
// ---------------------------------------------------------------------------

const char* const kNeedsGuessText =
    QT_TRANSLATE_NOOP("Hint", "no logical step is left; the rest needs a guess");
// A subset's removals are listed when they are this few; more would make the
// line hard to read.
constexpr int kListedRemovalsAtMost = 6;
const char* const kFinishedText =
    QT_TRANSLATE_NOOP("Hint", "the board is complete: nothing is left to hint");

// Where a value with one place goes: the column in a row, the row in a
// column, the cell in a box.
std::string placeInUnit(int unit, int cell) {
    switch (unit / 9) {
        case 0:
            return unitName(9 + columnOf(cell));
        case 1:
            return unitName(rowOf(cell));
        default:
            return cellName(cell);
    }
}

// Whether a subset's removals are few enough to list.
bool listsRemovals(const Step& step) {
    int removed = 0;
    for (int i = 0; i < step.removalCount; i++) removed += countBits(step.removals[i].values);
    return removed <= kListedRemovalsAtMost;
}

// "r4c5 loses 1, 6; r6c4 loses 2".
std::string removalList(const Step& step) {
    const std::string loses = translate("Hint", "%1 loses %2"), clauses = clausePattern();
    std::string text;
    for (int i = 0; i < step.removalCount; i++) {
        const std::string lost = filled(
            loses,
            {cellName(step.removals[i].cell), valueList(step.removals[i].values, Joiner::kComma)});
        text = i == 0 ? lost : filled(clauses, {text, lost});
    }
    return text;
}

// ---------------------------------------------------------------------------
// The hint's checks on the record
// ---------------------------------------------------------------------------

const char* const kNoAnswerText =
    QT_TRANSLATE_NOOP("Hint", "this puzzle has no answer, so there is no step to hint");
const char* const kSeveralAnswersText = QT_TRANSLATE_NOOP(
    "Hint", "this puzzle has more than one answer, so no step can lead to just one");

void addCell(Hint& hint, int cell) {
    hint.cells[hint.cellCount++] = static_cast<uint8_t>(cell);
}

// The first open cell whose value clashes, with the cells it clashes with.
bool findClash(const PuzzleRecord& record, Hint& hint) {
    for (int cell = 0; cell < kCells; cell++) {
        if (record.openFlags[cell] != 1 || !hasConflict(record, cell)) continue;
        const int32_t value = record.valueGrid[cell];
        hint.value = value;
        addCell(hint, cell);
        for (int other : cellsOf(peersOf(cell))) {
            if (shownValue(record, other) == value) addCell(hint, other);
        }
        hint.kind = HintKind::kClash;
        return true;
    }
    return false;
}

// An open cell's value that differs from the one answer.
bool findWrongValue(const PuzzleRecord& record, const PuzzleAnswers& answers, Hint& hint) {
    for (int cell = 0; cell < kCells; cell++) {
        const int32_t value = record.valueGrid[cell];
        if (record.openFlags[cell] != 1 || value == 0 || value == answers.answer[cell]) continue;
        hint.kind = HintKind::kWrongValue;
        hint.value = value;
        addCell(hint, cell);
        return true;
    }
    return false;
}

// With every value right, an empty cell whose candidates lack the answer's
// value holds a typed list that leaves it out: every later step would go
// astray from it.
bool findWrongList(const LadderBoard& board, const PuzzleAnswers& answers, Hint& hint) {
    for (int cell = 0; cell < kCells; cell++) {
        if (board.values[cell] != 0 ||
            (board.candidates[cell] & bitOfValue(answers.answer[cell])) != 0) {
            continue;
        }
        hint.kind = HintKind::kWrongList;
        hint.value = board.candidates[cell];
        addCell(hint, cell);
        return true;
    }
    return false;
}

// The step's sentence, and what it does on a line of its own unless the
// sentence already names every cell it changes.
std::string wholeStep(const LadderStep& step) {
    const std::string text = ladderStepText(step);
    bool named = step.placedCell == kNoCell || text.find(cellName(step.placedCell)) != text.npos;
    for (int cell = 0; named && cell < kCells; cell++)
        named = step.eliminations[cell] == 0 || text.find(cellName(cell)) != text.npos;
    return named ? text : text + "\r\n" + ladderStepResult(step);
}

bool isFinished(const PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; cell++) {
        if (shownValue(record, cell) == 0) return false;
    }
    return true;
}

}  // namespace

std::string stepText(const Step& step) {
    const std::string values = valueList(step.values);
    const std::string cells = cellList(step.cells, step.cellCount);
    switch (step.kind) {
        case StepKind::kNone:
            return translate("Hint", kNeedsGuessText);
        case StepKind::kNakedSingle:
            return nakedSingleText(step.cells[0], valueOfSingleBit(step.values));
        case StepKind::kHiddenSingle:
            return hiddenSingleText(step.unit, valueOfSingleBit(step.values),
                                    placeInUnit(step.unit, step.cells[0]));
        case StepKind::kHiddenSubset: {
            if (!listsRemovals(step)) {
                return filled(
                    translate("Hint",
                              "%1: %2 can go only in %3, which lose their other candidates"),
                    {unitName(step.unit), values, cells});
            }
            return filled(
                translate("Hint",
                          "%1: %2 can go only in %3, which lose their other candidates (%4)"),
                {unitName(step.unit), values, cells, removalList(step)});
        }
        case StepKind::kDuplicate:
            return filled(
                translate("Hint", "%1: %2 stands twice, in %3, so the board has no answer"),
                {unitName(step.unit), values, cells});
        case StepKind::kNoCandidate:
            return filled(translate("Hint", "%1: no candidate is left, so the board has no answer"),
                          {cells});
        case StepKind::kNoPlace:
            return filled(translate("Hint", "%1: %2 has no place left, so the board has no answer"),
                          {unitName(step.unit), values});
        case StepKind::kTooFewCells:
            return filled(translate("Hint",
                                    "%1: %2 can go only in %3, too few cells, so the board has no "
                                    "answer"),
                          {unitName(step.unit), values, cells});
    }
    return "";
}

PuzzleAnswers storedAnswers(const PuzzleRecord& record) {
    PuzzleAnswers answers;
    if (record.answerKnown != 1) return answers;
    answers.count = 1;
    answers.answer = record.answerGrid;
    return answers;
}

void clueValues(const PuzzleRecord& record, Grid& values) {
    for (int cell = 0; cell < kCells; cell++)
        values[cell] = record.openFlags[cell] == 0 ? record.answerGrid[cell] : 0;
}

PuzzleAnswers countClueAnswers(const PuzzleRecord& record, long nodeLimit) {
    PuzzleRecord clues{};
    resetRecord(clues);
    clueValues(record, clues.answerGrid);
    for (int cell = 0; cell < kCells; cell++) clues.openFlags[cell] = clues.answerGrid[cell] == 0;
    loadClues(clues);
    PuzzleAnswers answers;
    // Clues that repeat a value have no answer; the search assumes they don't.
    answers.count =
        hasDuplicate(clues.valueGrid) ? 0 : countAnswers(clues, 2, nodeLimit, &answers.answer);
    return answers;
}

bool findHint(const PuzzleRecord& record, const PuzzleAnswers& answers, HintReach reach,
              Hint& hint) {
    hint = Hint{};
    if (findClash(record, hint)) return true;
    if (answers.count == kAnswersNotCounted) return false;
    if (answers.count == 1 && findWrongValue(record, answers, hint)) return true;
    if (isFinished(record)) {
        hint.kind = HintKind::kFinished;
        return true;
    }
    if (answers.count == 0 || answers.count >= 2) {
        hint.kind = answers.count == 0 ? HintKind::kNoAnswer : HintKind::kSeveralAnswers;
        return true;
    }
    LadderBoard board;
    loadLadderBoardFromRecord(record, answers.count == 1, board);
    if (answers.count == 1 && findWrongList(board, answers, hint)) return true;
    const bool quick = reach == HintReach::kQuickRungs;
    hint.step = quick ? nextLadderStep(board, kQuickRung) : nextLadderStep(board);
    if (hint.step.technique != Technique::kNone) {
        hint.kind = HintKind::kStep;
        return true;
    }
    hint.kind = HintKind::kNeedsGuess;
    return !quick;
}

Hint hintFor(const PuzzleRecord& record, long countNodeLimit) {
    Hint hint;
    PuzzleAnswers answers = storedAnswers(record);
    if (findHint(record, answers, HintReach::kWholeLadder, hint)) return hint;
    answers = countClueAnswers(record, countNodeLimit);
    findHint(record, answers, HintReach::kWholeLadder, hint);
    return hint;
}

std::string hintText(const Hint& hint, HintStage stage) {
    const std::string cell = cellName(hint.cells[0]);
    switch (hint.kind) {
        case HintKind::kClash:
            return filled(
                translate("Hint", "%1: %2 clashes with %3"),
                {cell, digitText(hint.value), cellList(hint.cells + 1, hint.cellCount - 1)});
        case HintKind::kWrongValue:
            return filled(translate("Hint", "%1: %2 is not the answer's value"),
                          {cell, digitText(hint.value)});
        case HintKind::kWrongList:
            return filled(translate("Hint", "%1: the candidates %2 leave out the answer's value"),
                          {cell, valueList(hint.value)});
        case HintKind::kStep:
            return stage == HintStage::kLead ? ladderStepLead(hint.step) : wholeStep(hint.step);
        case HintKind::kNoAnswer:
            return translate("Hint", kNoAnswerText);
        case HintKind::kSeveralAnswers:
            return translate("Hint", kSeveralAnswersText);
        case HintKind::kNeedsGuess:
            return translate("Hint", kNeedsGuessText);
        case HintKind::kFinished:
            return translate("Hint", kFinishedText);
    }
    return "";
}

CellSet hintCells(const Hint& hint, HintStage stage) {
    if (hint.kind == HintKind::kStep)
        return stage == HintStage::kLead ? ladderStepLeadCells(hint.step) : hint.step.cells;
    CellSet cells;
    for (int i = 0; i < hint.cellCount; i++) cells.add(hint.cells[i]);
    return cells;
}

}  // namespace ga
