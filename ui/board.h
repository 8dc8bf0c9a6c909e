// The board: 81 cells laid out as a 9x9 grid with wider gaps between the
// boxes, the status box below them and the progress bar between the two.
//
// The board has no model of its own. It shows the main window's puzzle record
// and writes what the player types straight back into it; these functions are
// the window's only way to touch the cell controls.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>

#include "core/puzzle_record.h"
#include "platform/desktop.h"
#include "platform/theme_palette.h"

namespace ga {

struct BoardLayout {
    int cellSize = 0;
    int offsets[9] = {};  // of columns from the left, and of rows from the top
    ControlRect statusBox;
    ControlRect progressBar;
    // Under the status box: the digit strip, a button per digit, and the clock
    // at its right end.
    ControlRect digitStrip;  // all nine buttons
    ControlRect clock;

    ControlRect digitButton(int digit) const {
        const int width = digitStrip.width / 9;
        return ControlRect{digitStrip.x + (digit - 1) * width, digitStrip.y, width - 2,
                           digitStrip.height};
    }

    // The number of row `row` (0..8) in the left margin, of column `column`
    // in the margin above.
    ControlRect rowLabel(int row) const {
        return ControlRect{2, offsets[row], offsets[0] - 4, cellSize};
    }
    ControlRect columnLabel(int column) const {
        return ControlRect{offsets[column], 2, cellSize, offsets[0] - 4};
    }

    ControlRect cell(int cellIndex) const {
        return ControlRect{offsets[columnOf(cellIndex)], offsets[rowOf(cellIndex)], cellSize,
                           cellSize};
    }
};

// Everything follows from the width of the window's client area: the cell
// size is (width - 44) / 9, and each box boundary adds 2 pixels of gap.
BoardLayout boardLayout(int clientWidth);

// The narrowest client area the board is laid out in: cells of 16 pixels.
constexpr int kSmallestClientWidth = 44 + 9 * 16;

// The height the board needs at `clientWidth`: down to the digit strip and
// a gap below it.
int boardHeight(int clientWidth);

// The widest client width, at most `width`, whose board fits within `height`;
// never below kSmallestClientWidth. A window resized by the player lays its
// board out at this width.
int fittedClientWidth(int width, int height);

// Moves the cells, the row and column numbers, the status box and the
// progress bar to where the layout at the client's width puts them.
void layOutBoard(Desktop& desktop);

// Creates the 81 cells from the record and shows each by the display rules.
// Returns 0, or -1 when some cell could not be made (the others still are).
int createBoard(Desktop& desktop, const PuzzleRecord& record);
void destroyBoard(Desktop& desktop);
// Puts `next` on the board in place of `shown`: the old cells go, `shown`
// becomes `next` (kept in `replaced` first, when given) and the new cells are
// made from it. Returns what createBoard returns.
int replaceBoard(Desktop& desktop, PuzzleRecord& shown, const PuzzleRecord& next,
                 PuzzleRecord* replaced = nullptr);

extern const char* const kProgressBarFailedText;   // "failed to create progress bar"
extern const char* const kProgressBarFailedTitle;  // "alert"

// Creates the status box (empty) and the hidden progress bar. A bar that
// cannot be made is reported in a box and leaves the jobs without progress
// display; returns -1 then, 0 otherwise.
int createStatusBox(Desktop& desktop);

// Puts the row numbers 1-9 left of the board and the column numbers above it
// in the margins, or takes them away.
void showCoordinates(Desktop& desktop, bool shown);

// What a cell shows: clues and values in the big font, a candidate list of
// two or more digits in the small font, nothing otherwise (a single
// candidate is no hint).
struct CellDisplay {
    FontChoice font = FontChoice::kBig;
    std::string text;
};
CellDisplay cellDisplay(const PuzzleRecord& record, int cellIndex);
void showCell(Desktop& desktop, const PuzzleRecord& record, int cellIndex);

// Paints every open cell again so that its colour follows a new express mode.
void repaintOpenCells(Desktop& desktop, const PuzzleRecord& record);

// The number typed into a cell: the value of its leading digits, 0 for none.
// At most nine digits are read, so the number always fits 32 bits; the rest
// of a longer string stays in the cell's text but is not stored.
int32_t typedNumber(const std::string& text);

// Entering an open cell clears its value at once and switches it to the
// small font, ready for a candidate list; a clue is left alone.
void cellGainedFocus(Desktop& desktop, PuzzleRecord& record, int cellIndex);

// Stores a cell's text in the record: 1..9 becomes its value, anything else
// its candidate list (and no value). Returns true when the record changed.
bool storeCellText(PuzzleRecord& record, int cellIndex, const std::string& text);

// Leaving a cell stores what it shows; the cell then shows what it holds by
// the display rules. Returns true when the record changed.
bool cellLostFocus(Desktop& desktop, PuzzleRecord& record, int cellIndex);

// What the text of an open cell showing `text` says, under express mode 0
// (none), 1 (conflicts with the row, column and box) or 2 (differences from
// the answer; conflicts while no answer is known). The look picks its colour.
CellInk cellInk(const PuzzleRecord& record, int expressMode, int cellIndex,
                const std::string& text);

// What the board marks beyond the record: the cell the player is in (-1 for
// none) with the digit it held when entered (entering clears an open cell's
// value), and the cells a hint points at.
struct BoardMarks {
    int cellInHand = -1;
    int32_t digitInHand = 0;
    std::bitset<kCells> hinted;
    // The digit chosen on the digit strip (0 for none) and the cells showing it.
    int chosenDigit = 0;
    std::bitset<kCells> chosenCells;
};

// The background of a cell: the cell in hand first, then hinted cells, cells
// showing the digit chosen on the strip, cells holding the digit in hand, the
// row, column and box of the cell in hand.
CellBackground cellBackground(const PuzzleRecord& record, const BoardMarks& marks, int cellIndex);

// Repaints every cell whose background differs under `after` from `before`.
void repaintChangedBackgrounds(Desktop& desktop, const PuzzleRecord& record,
                               const BoardMarks& before, const BoardMarks& after);

// The cell a moving key pressed in `cellIndex` leads to, or -1 when it stays.
// Up and Down go to the cell above or below, Left and Right to the cell
// beside when the caret reaches that end of the text; clue cells are entered
// like open ones, and none of these leaves the board. Tab and Shift+Tab go
// to the next or previous open cell row by row, round the board's end.
int cellAfterKey(const PuzzleRecord& record, int cellIndex, CellKey key, CaretPlace caret);

// What the completion check found on a board being played, for the window
// to show and to open menu items by.
enum class CompletionVerdict {
    kUnfinished,            // an open cell is still empty
    kFinishedWithMistakes,  // every cell filled, and some unit breaks the rule
    kCompleteOtherAnswer,   // correct, but not the answer that is known
    kComplete,
};
struct CompletionResult {
    CompletionVerdict verdict = CompletionVerdict::kUnfinished;
    // The correct board had no answer and became it, being the puzzle's
    // only one: every item that needs an answer may open.
    bool answerAdopted = false;
};

// The check that congratulates a finished board. It runs whenever a cell is
// painted, so the expensive part, the uniqueness check of a finished board
// without a known answer, runs once per distinct board: its verdict is kept
// with the grid it was made for.
class CompletionCheck {
  public:
    // Judges a board that is being played once no open cell is empty. A
    // finished, correct board without an answer adopts its grid as the answer
    // when the grid is the puzzle's only answer.
    CompletionResult run(PuzzleRecord& record);

    // How many times the uniqueness check has really run.
    int uniquenessChecks() const { return uniquenessChecks_; }

  private:
    bool isUnique(const PuzzleRecord& record);

    bool haveVerdict_ = false;
    bool lastUnique_ = false;
    Grid lastAnswerGrid_{};
    Grid lastOpenFlags_{};
    Grid lastValueGrid_{};
    int uniquenessChecks_ = 0;
};

}  // namespace ga
