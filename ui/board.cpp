#include "ui/board.h"

#include "core/checks.h"
#include "core/translation.h"
#include "ui/board_ids.h"

namespace ga {

const char* const kProgressBarFailedText =
    QT_TRANSLATE_NOOP("Message", "failed to create progress bar");
const char* const kProgressBarFailedTitle = QT_TRANSLATE_NOOP("Message", "alert");

namespace {

constexpr int kBoardMargin = 20;
constexpr int kBoxGap = 2;
constexpr int kProgressBarHeight = 11;
constexpr int kStripGap = 8;        // between the status box and the digit strip
constexpr int kMaxTypedDigits = 9;  // 999999999 is the largest number a cell stores

bool isOpen(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] != 0;
}

bool sharesUnit(int cell, int other) {
    return rowOf(cell) == rowOf(other) || columnOf(cell) == columnOf(other) ||
           boxOf(cell) == boxOf(other);
}

}  // namespace

BoardLayout boardLayout(int clientWidth) {
    BoardLayout layout;
    const int s = (clientWidth - 44) / 9;
    layout.cellSize = s;
    for (int i = 0; i < 9; ++i) layout.offsets[i] = kBoardMargin + i * s + (i / 3) * kBoxGap;
    layout.statusBox = ControlRect{kBoardMargin, 9 * s + 44, clientWidth - 44, (3 * s) / 2};
    layout.progressBar =
        ControlRect{clientWidth / 10, 9 * s + 29, 8 * clientWidth / 10, kProgressBarHeight};
    const int stripTop = layout.statusBox.y + layout.statusBox.height + kStripGap;
    const int clockWidth = 2 * s;
    layout.digitStrip =
        ControlRect{kBoardMargin, stripTop, (clientWidth - 44 - clockWidth - kStripGap) / 9 * 9, s};
    layout.clock = ControlRect{clientWidth - 24 - clockWidth, stripTop, clockWidth, s};
    return layout;
}

int boardHeight(int clientWidth) {
    const ControlRect strip = boardLayout(clientWidth).digitStrip;
    return strip.y + strip.height + kStripGap;
}

int fittedClientWidth(int width, int height) {
    if (width <= kSmallestClientWidth) return kSmallestClientWidth;
    if (boardHeight(width) <= height) return width;
    // The height grows with the cell size alone: look for the largest cells that fit.
    int cells = (width - 44) / 9;
    while (44 + 9 * cells > kSmallestClientWidth && boardHeight(44 + 9 * cells) > height) --cells;
    return 44 + 9 * cells;
}

void layOutBoard(Desktop& desktop) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    for (int cell = 0; cell < kCells; ++cell) desktop.moveControl(cellId(cell), layout.cell(cell));
    for (int i = 0; i < 9; ++i) {
        desktop.moveControl(kFirstRowLabelId + i, layout.rowLabel(i));
        desktop.moveControl(kFirstColumnLabelId + i, layout.columnLabel(i));
    }
    desktop.moveControl(kStatusBoxId, layout.statusBox);
    desktop.createProgressBar(layout.progressBar);
}

CellDisplay cellDisplay(const PuzzleRecord& record, int cell) {
    if (!isOpen(record, cell)) return {FontChoice::kBig, std::to_string(record.answerGrid[cell])};
    if (record.valueGrid[cell] != 0) {
        return {FontChoice::kBig, std::to_string(record.valueGrid[cell])};
    }
    if (record.candidateNumbers[cell] > 9) {
        return {FontChoice::kSmall, std::to_string(record.candidateNumbers[cell])};
    }
    return {FontChoice::kBig, std::string()};
}

void showCell(Desktop& desktop, const PuzzleRecord& record, int cell) {
    const CellDisplay display = cellDisplay(record, cell);
    desktop.setFont(cellId(cell), display.font);
    desktop.setText(cellId(cell), display.text);
}

int createBoard(Desktop& desktop, const PuzzleRecord& record) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    int result = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const ControlKind kind =
            isOpen(record, cell) ? ControlKind::kOpenCell : ControlKind::kClueCell;
        if (!desktop.createControl(cellId(cell), kind, layout.cell(cell))) {
            result = -1;
            continue;
        }
        showCell(desktop, record, cell);
    }
    return result;
}

void destroyBoard(Desktop& desktop) {
    for (int cell = 0; cell < kCells; ++cell) desktop.destroyControl(cellId(cell));
}

int replaceBoard(Desktop& desktop, PuzzleRecord& shown, const PuzzleRecord& next,
                 PuzzleRecord* replaced) {
    // The old cells go before the record changes, so that whatever they report
    // while being destroyed lands in the puzzle being replaced.
    destroyBoard(desktop);
    if (replaced != nullptr) *replaced = shown;
    shown = next;
    return createBoard(desktop, shown);
}

int createStatusBox(Desktop& desktop) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    desktop.createControl(kStatusBoxId, ControlKind::kStatusBox, layout.statusBox);
    desktop.setFont(kStatusBoxId, FontChoice::kSmall);
    if (!desktop.createProgressBar(layout.progressBar)) {
        desktop.messageBox(translate("Message", kProgressBarFailedText),
                           translate("Message", kProgressBarFailedTitle));
        return -1;
    }
    return 0;
}

void showCoordinates(Desktop& desktop, bool shown) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    for (int i = 0; i < 9; ++i) {
        const std::string number(1, static_cast<char>('1' + i));
        for (const int id : {kFirstRowLabelId + i, kFirstColumnLabelId + i}) {
            desktop.destroyControl(id);
            if (!shown) continue;
            const ControlRect rect =
                id < kFirstColumnLabelId ? layout.rowLabel(i) : layout.columnLabel(i);
            if (desktop.createControl(id, ControlKind::kCoordinateLabel, rect))
                desktop.setText(id, number);
        }
    }
}

void repaintOpenCells(Desktop& desktop, const PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (isOpen(record, cell)) desktop.repaint(cellId(cell));
    }
}

int32_t typedNumber(const std::string& text) {
    int32_t number = 0;
    for (size_t i = 0; i < text.size() && i < kMaxTypedDigits; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
    }
    return number;
}

void cellGainedFocus(Desktop& desktop, PuzzleRecord& record, int cell) {
    if (!isOpen(record, cell)) return;
    record.valueGrid[cell] = 0;
    desktop.setFont(cellId(cell), FontChoice::kSmall);
}

bool storeCellText(PuzzleRecord& record, int cell, const std::string& text) {
    const int32_t number = typedNumber(text);
    bool changed = false;
    if (number >= 1 && number <= 9) {
        if (record.valueGrid[cell] != number) {
            record.valueGrid[cell] = number;
            changed = true;
        }
    } else if (record.candidateNumbers[cell] != number || record.valueGrid[cell] != 0) {
        // The value is normally gone since the cell gained the focus; a focus
        // gain that was never taken (held through a job) must not keep it.
        record.candidateNumbers[cell] = number;
        record.valueGrid[cell] = 0;
        changed = true;
    }
    return changed;
}

bool cellLostFocus(Desktop& desktop, PuzzleRecord& record, int cell) {
    const bool changed = storeCellText(record, cell, desktop.text(cellId(cell)));
    // The cell shows what the record now holds: "0467" becomes 467, "00" empty.
    showCell(desktop, record, cell);
    return changed;
}

CellInk cellInk(const PuzzleRecord& record, int expressMode, int cell, const std::string& text) {
    if (text.size() >= 2) return CellInk::kCandidate;
    // No cell is coloured against an answer that is not known: absolute
    // mistakes then fall back to visible ones, as choosing the mode does.
    if (expressMode == 2 && record.answerKnown == 0) expressMode = 1;
    if (expressMode == 1 && hasConflict(record, cell)) return CellInk::kMistake;
    if (expressMode == 2 && record.valueGrid[cell] != record.answerGrid[cell])
        return CellInk::kMistake;
    return CellInk::kValue;
}

CellBackground cellBackground(const PuzzleRecord& record, const BoardMarks& marks, int cell) {
    const int inHand = marks.cellInHand;
    if (cell == inHand) return CellBackground::kInHand;
    if (marks.hinted.test(static_cast<size_t>(cell))) return CellBackground::kHinted;
    if (marks.chosenCells.test(static_cast<size_t>(cell))) return CellBackground::kSameDigit;
    if (inHand < 0) return CellBackground::kPlain;
    const int32_t digit = marks.digitInHand;
    if (digit >= 1 && digit <= 9 && shownValue(record, cell) == digit)
        return CellBackground::kSameDigit;
    return sharesUnit(cell, inHand) ? CellBackground::kUnitInHand : CellBackground::kPlain;
}

void repaintChangedBackgrounds(Desktop& desktop, const PuzzleRecord& record,
                               const BoardMarks& before, const BoardMarks& after) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (cellBackground(record, before, cell) != cellBackground(record, after, cell))
            desktop.repaint(cellId(cell));
    }
}

int cellAfterKey(const PuzzleRecord& record, int cell, CellKey key, CaretPlace caret) {
    const int row = rowOf(cell), column = columnOf(cell);
    switch (key) {
        case CellKey::kUp:
            return row > 0 ? cell - 9 : -1;
        case CellKey::kDown:
            return row < 8 ? cell + 9 : -1;
        case CellKey::kLeft:
            return caret.atStart && column > 0 ? cell - 1 : -1;
        case CellKey::kRight:
            return caret.atEnd && column < 8 ? cell + 1 : -1;
        case CellKey::kNextOpen:
        case CellKey::kPreviousOpen:
            break;
    }
    const int step = key == CellKey::kNextOpen ? 1 : kCells - 1;
    for (int next = (cell + step) % kCells; next != cell; next = (next + step) % kCells) {
        if (isOpen(record, next)) return next;
    }
    return -1;
}

CompletionResult CompletionCheck::run(PuzzleRecord& record) {
    CompletionResult result;
    int empty = 0;
    int different = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!isOpen(record, cell)) continue;
        const int32_t value = record.valueGrid[cell];
        if (value == 0) {
            ++empty;
        } else if (record.answerKnown == 1 && value != record.answerGrid[cell]) {
            ++different;
        }
    }
    if (empty > 0) return result;
    if (!isComplete(record.valueGrid)) {
        result.verdict = CompletionVerdict::kFinishedWithMistakes;
        return result;
    }
    result.verdict =
        different > 0 ? CompletionVerdict::kCompleteOtherAnswer : CompletionVerdict::kComplete;
    if (record.answerKnown == 0 && isUnique(record)) {
        record.answerGrid = record.valueGrid;
        record.answerKnown = 1;
        result.answerAdopted = true;
    }
    return result;
}

bool CompletionCheck::isUnique(const PuzzleRecord& record) {
    const bool sameBoard = haveVerdict_ && lastAnswerGrid_ == record.answerGrid &&
                           lastOpenFlags_ == record.openFlags && lastValueGrid_ == record.valueGrid;
    if (sameBoard) return lastUnique_;

    // The check loads the clues and may drop a stored answer it finds unusable;
    // it works on a copy so that the board's record changes only by adoption.
    PuzzleRecord trial = record;
    ProgressMeter noBar;  // runs on the window thread: nothing to show
    lastUnique_ = checkMultiple(trial, noBar) == kSingleAnswer;
    ++uniquenessChecks_;
    lastAnswerGrid_ = record.answerGrid;
    lastOpenFlags_ = record.openFlags;
    lastValueGrid_ = record.valueGrid;
    haveVerdict_ = true;
    return lastUnique_;
}

}  // namespace ga
