#include "app/window_commands.h"

#include "app/command_ids.h"
#include "app/jobs.h"
#include "app/ladder_commands.h"
#include "app/status_messages.h"
#include "core/candidates.h"
#include "ui/board.h"
#include "ui/board_picture.h"

namespace ga {

namespace {

StatusInputs statusInputs(const WindowState& state) {
    StatusInputs inputs;
    inputs.level = state.settings.level;
    // A file name read from the settings file is NUL-terminated by repair.
    inputs.fileName = state.settings.fileName;
    inputs.candidateDepth = state.settings.candidateDepth;
    inputs.puzzleClass = state.header.puzzleClass;
    inputs.serial = state.puzzle.serial;
    inputs.answerKnown = state.puzzle.answerKnown;
    return inputs;
}

bool isOpen(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] != 0;
}

void clearCell(Desktop& desktop, PuzzleRecord& record, int cell) {
    record.valueGrid[cell] = 0;
    record.candidateNumbers[cell] = 0;
    desktop.setText(cellId(cell), "");
}

// What a command or notice does to the board, as the history sees it.
enum class BoardChange { kEdit, kHistory, kOther };

BoardChange boardChangeOf(int id) {
    if (isDigitButtonId(id)) return BoardChange::kEdit;  // places a digit in the cell in hand
    switch (id) {
        case kCommandEraseSolving:
        case kCommandShowCandidates:
        case kCommandOpenAnswer:
        case kCommandPencilMarks:  // and its notice, a solve's result
        case kCommandBacktracking:
        case kCommandApplyHint:  // and its notice
        case kCommandFillInCandidates:
            return BoardChange::kEdit;
        case kCommandUndo:
        case kCommandRedo:
            return BoardChange::kHistory;
        default:
            return BoardChange::kOther;
    }
}

// The cells only: what became known of the answer since (adopted, or found
// unusable) stays known.
void putBack(Desktop& desktop, WindowState& state, const BoardState& board, bool withMenuMode) {
    PuzzleRecord& puzzle = state.puzzle;
    puzzle.valueGrid = board.puzzle.valueGrid;
    puzzle.candidateNumbers = board.puzzle.candidateNumbers;
    for (int cell = 0; cell < kCells; ++cell)
        showSeenCell(desktop, state.puzzle, cell, board.singleNotes.test(size_t(cell)));
    repaintOpenCells(desktop, state.puzzle);
    state.settings.modified = board.modified;
    if (withMenuMode) enterMenuMode(desktop, state, board.menuMode);
    // A finished board's cells, painted, bring the completion check's text.
    desktop.setText(kStatusBoxId, board.statusText);
}

// While a job runs the status box tells of the job ("solving..."), not of the
// board, which keeps the text it had.
BoardState boardAround(const WindowState& state, bool busy) {
    BoardState board = seenBoard(state);
    if (busy) board.statusText = state.history.standing().statusText;
    return board;
}

// An edit ends the hint: its tint goes, and the next one starts at the lead.
void forgetHint(Desktop& desktop, WindowState& state) {
    state.marks.hinted.reset();
    state.ladder.holdsHint = false;
    forgetStepDrawing(desktop, state);
}

}  // namespace

std::string newPuzzleTitle(int level, const SerialParts& serial) {
    return std::string(kProgramName) + " -- " +
           puzzleHeading(level, serial, SerialShown::kFirstTwoParts);
}

void setStatus(Desktop& desktop, WindowState& state, int statusCode) {
    state.settings.statusCode = statusCode;
    showStatusAgain(desktop, state);
}

void showStatusAgain(Desktop& desktop, WindowState& state) {
    showStatus(desktop, state.settings.statusCode, statusInputs(state));
}

void highlightCells(Desktop& desktop, WindowState& state, const std::bitset<kCells>& cells) {
    const BoardMarks before = state.marks;
    state.marks.hinted = cells;
    repaintChangedBackgrounds(desktop, state.puzzle, before, state.marks);
}

void enterMenuMode(Desktop& desktop, WindowState& state, int menuMode) {
    state.settings.menuMode = menuMode;
    applyMenuPattern(desktop, state.puzzle.answerKnown != 0, menuMode);
}

void chooseLevel(Desktop& desktop, WindowState& state, int difficultyClass) {
    setLevel(desktop, state.settings.level, difficultyClass);
    setStatus(desktop, state, kStatusLevelChosen);
}

void chooseExpressMode(Desktop& desktop, WindowState& state, int expressMode) {
    setExpressMode(desktop, state.settings.expressMode, expressMode, state.puzzle.answerKnown != 0);
    repaintOpenCells(desktop, state.puzzle);
    // A damaged stored mode that setExpressMode refused has no message.
    if (isExpressMode(state.settings.expressMode)) {
        setStatus(desktop, state, kStatusNoExpress + state.settings.expressMode);
    }
}

void eraseSolving(Desktop& desktop, WindowState& state) {
    PuzzleRecord& puzzle = state.puzzle;
    if (state.handBuildStage == 1) {
        for (int cell = 0; cell < kCells; ++cell) {
            if (puzzle.valueGrid[cell] != 0) continue;
            puzzle.candidateNumbers[cell] = 0;
            desktop.setText(cellId(cell), "");
        }
        setStatus(desktop, state, kStatusCandidatesReset);
        return;
    }
    if (state.handBuildStage == 0) {
        state.settings.modified = 1;
        enterMenuMode(desktop, state, kMenuLoaded);
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (isOpen(puzzle, cell)) clearCell(desktop, puzzle, cell);
    }
    setStatus(desktop, state, kStatusSolvingReset);
}

void showAllCandidates(Desktop& desktop, WindowState& state) {
    PuzzleRecord& puzzle = state.puzzle;
    state.settings.candidateDepth = showCandidates(puzzle);
    for (int cell = 0; cell < kCells; ++cell) {
        if (!isOpen(puzzle, cell) || puzzle.valueGrid[cell] != 0) continue;
        desktop.setFont(cellId(cell), FontChoice::kSmall);
        const int32_t candidates = puzzle.candidateNumbers[cell];
        desktop.setText(cellId(cell), candidates > 9 ? std::to_string(candidates) : "");
    }
    state.settings.modified = 1;
    setStatus(desktop, state, kStatusCandidatesShown);
}

void openAnswer(Desktop& desktop, WindowState& state) {
    PuzzleRecord& puzzle = state.puzzle;
    if (puzzle.answerKnown == 0 || !isComplete(puzzle.answerGrid)) {
        puzzle.answerKnown = 0;
        setStatus(desktop, state, kStatusNoUsableAnswer);
        return;
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (!isOpen(puzzle, cell)) continue;
        puzzle.valueGrid[cell] = puzzle.answerGrid[cell];
        desktop.setFont(cellId(cell), FontChoice::kBig);
        desktop.setText(cellId(cell), std::to_string(puzzle.valueGrid[cell]));
    }
    state.settings.modified = 1;
    enterMenuMode(desktop, state, kMenuAnswerOpened);
    setStatus(desktop, state, kStatusAnswerOpened);
}

void startNewPuzzle(Desktop& desktop, WindowState& state, JobControl& jobs) {
    jobs.startJob(desktop, state, kCommandNewPuzzle);
}

bool storeSeenCell(PuzzleRecord& record, int cell, const SeenCell& seen) {
    if (!seen.notes) return storeCellText(record, cell, seen.text);
    // Notes are a candidate list, one digit too: never a value.
    const int32_t notes = typedNumber(seen.text);
    const bool changed = record.candidateNumbers[cell] != notes || record.valueGrid[cell] != 0;
    record.candidateNumbers[cell] = notes;
    record.valueGrid[cell] = 0;
    return changed;
}

void showSeenCell(Desktop& desktop, const PuzzleRecord& record, int cell, bool singleNote) {
    const int32_t candidate = record.candidateNumbers[cell];
    if (!singleNote || !isOpen(record, cell) || record.valueGrid[cell] != 0 || candidate < 1 ||
        candidate > 9) {
        showCell(desktop, record, cell);
        return;
    }
    desktop.setFont(cellId(cell), FontChoice::kSmall);
    desktop.setText(cellId(cell), std::to_string(candidate));
    desktop.showAsNotes(cellId(cell), true);
}

BoardState seenBoard(const WindowState& state) {
    BoardState board{state.puzzle, state.seen.singleNotes(), state.settings.modified,
                     state.settings.menuMode, state.seen.text(kStatusBoxId)};
    const int cell = state.marks.cellInHand;
    if (cell < 0 || !isOpen(board.puzzle, cell)) return board;
    // Only a text other than the record's own shows an edit: a cell left as
    // it was shown stores nothing new.
    const SeenCell& seen = state.seen.cell(cell);
    if (seen.notes || seen.text != cellDisplay(board.puzzle, cell).text)
        storeSeenCell(board.puzzle, cell, seen);
    return board;
}

void followPlayerEdit(Desktop& desktop, WindowState& state) {
    const BoardMarks before = state.marks;
    if (state.history.follow(seenBoard(state))) forgetHint(desktop, state);
    repaintChangedBackgrounds(desktop, state.puzzle, before, state.marks);
}

void enterCell(Desktop& desktop, WindowState& state, int cell) {
    const BoardMarks before = state.marks;
    state.marks.digitInHand = shownValue(state.puzzle, cell);
    cellGainedFocus(desktop, state.puzzle, cell);
    state.marks.cellInHand = cell;
    repaintChangedBackgrounds(desktop, state.puzzle, before, state.marks);
}

void leaveCell(Desktop& desktop, WindowState& state, int cell) {
    const BoardMarks before = state.marks;
    // Leaving stores what the cell shows; it then shows what it holds.
    const SeenCell& seen = state.seen.cell(cell);
    const bool singleNote = seen.notes && seen.text.size() == 1;
    if (storeSeenCell(state.puzzle, cell, seen)) state.settings.modified = 1;
    showSeenCell(desktop, state.puzzle, cell, singleNote);
    if (state.marks.cellInHand == cell) state.marks.cellInHand = -1;
    if (state.history.follow(seenBoard(state))) forgetHint(desktop, state);
    repaintChangedBackgrounds(desktop, state.puzzle, before, state.marks);
}

BoardBeforeCommand beginBoardCommand(Desktop& /*desktop*/, WindowState& state, int id, bool busy) {
    BoardBeforeCommand before{boardAround(state, busy), state.handBuildStage};
    if (boardChangeOf(id) != BoardChange::kOther) state.history.follow(before.board);
    return before;
}

bool endBoardCommand(Desktop& desktop, WindowState& state, int id, const BoardBeforeCommand& before,
                     bool busy) {
    const BoardState after = boardAround(state, busy);
    const bool newBoard =
        state.handBuildStage != before.handBuildStage ||
        (boardChangeOf(id) == BoardChange::kOther && after.puzzle != before.board.puzzle);
    const BoardMarks marksBefore = state.marks;
    if (newBoard) {
        state.history.start(after);
        state.marks.cellInHand = -1;  // its cell is gone
    } else {
        state.history.follow(after);
    }
    if (after.puzzle != before.board.puzzle) forgetHint(desktop, state);
    repaintChangedBackgrounds(desktop, state.puzzle, marksBefore, state.marks);
    if (state.settings.modified == 0) state.history.markSaved();
    return newBoard;
}

void undoStep(Desktop& desktop, WindowState& state) {
    if (!state.history.canUndo()) return;
    const UndoStep& step = state.history.undo();
    putBack(desktop, state, step.before, step.before.menuMode != step.after.menuMode);
}

void redoStep(Desktop& desktop, WindowState& state) {
    if (!state.history.canRedo()) return;
    const UndoStep& step = state.history.redo();
    putBack(desktop, state, step.after, step.before.menuMode != step.after.menuMode);
}

void showHistoryItems(Desktop& desktop, const WindowState& state, bool busy) {
    const int cell = state.marks.cellInHand;
    const bool typing = cell >= 0 && isOpen(state.puzzle, cell);
    desktop.enableMenuItem(kCommandUndo, !busy && (state.history.canUndo() || typing));
    desktop.enableMenuItem(kCommandRedo, !busy && state.history.canRedo());
}

}  // namespace ga
