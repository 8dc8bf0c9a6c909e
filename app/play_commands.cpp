#include "app/play_commands.h"

#include "app/spoken_board.h"
#include "ui/board.h"
#include "ui/board_ids.h"

namespace ga {

namespace {

bool isOpen(const PuzzleRecord& record, int cell) {
    return record.openFlags[cell] != 0;
}

bool sharesUnit(int cell, int other) {
    return rowOf(cell) == rowOf(other) || columnOf(cell) == columnOf(other) ||
           boxOf(cell) == boxOf(other);
}

// Bit d-1 for every digit d in `text`.
unsigned digitMask(const std::string& text) {
    unsigned mask = 0;
    for (char c : text) {
        if (c >= '1' && c <= '9') mask |= 1u << (c - '1');
    }
    return mask;
}

std::string digitsOf(unsigned mask) {
    std::string digits;
    for (int digit = 1; digit <= 9; ++digit) {
        if (mask & (1u << (digit - 1))) digits += static_cast<char>('0' + digit);
    }
    return digits;
}

int32_t numberOf(unsigned mask) {
    int32_t number = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        if (mask & (1u << (digit - 1))) number = number * 10 + digit;
    }
    return number;
}

// A text that is one digit 1..9 and no note: a value as the player sees it.
bool showsValue(const SeenCell& seen) {
    return !seen.notes && seen.text.size() == 1 && seen.text[0] >= '1' && seen.text[0] <= '9';
}

bool playing(const WindowState& state) {
    return state.handBuildStage == 0 && isPlayed(state.settings.menuMode);
}

// Shows `digits` in the cell in hand as its notes.
void showNotesInHand(Desktop& desktop, int cell, const std::string& digits) {
    desktop.setText(cellId(cell), digits);
    if (!digits.empty()) desktop.showAsNotes(cellId(cell), true);
}

// Stores `mask` as the candidate list of a cell not in hand and shows it: a
// single digit left as a note stays one.
void storeNotes(Desktop& desktop, WindowState& state, int cell, unsigned mask) {
    state.puzzle.candidateNumbers[cell] = numberOf(mask);
    showSeenCell(desktop, state.puzzle, cell, digitsOf(mask).size() == 1);
}

}  // namespace

void toggleNote(Desktop& desktop, WindowState& state, int cell, int digit) {
    if (digit < 1 || digit > 9 || state.handBuildStage != 0) return;
    if (cell != state.marks.cellInHand || !isOpen(state.puzzle, cell)) return;
    const SeenCell& seen = state.seen.cell(cell);
    if (showsValue(seen)) return;
    const unsigned mask = digitMask(seen.text) ^ (1u << (digit - 1));
    showNotesInHand(desktop, cell, digitsOf(mask));
    followPlayerEdit(desktop, state);
}

void takeCellEdit(Desktop& desktop, WindowState& state, int cell, bool clearNotes) {
    if (!clearNotes || !playing(state) || !isOpen(state.puzzle, cell)) return;
    const SeenCell& seen = state.seen.cell(cell);
    if (!showsValue(seen)) return;
    const unsigned bit = 1u << (seen.text[0] - '1');
    bool cleared = false;
    for (int other = 0; other < kCells; ++other) {
        if (other == cell || !sharesUnit(cell, other) || !isOpen(state.puzzle, other)) continue;
        if (state.puzzle.valueGrid[other] != 0) continue;
        const unsigned notes = digitMask(std::to_string(state.puzzle.candidateNumbers[other]));
        if ((notes & bit) == 0 || state.puzzle.candidateNumbers[other] == 0) continue;
        storeNotes(desktop, state, other, notes & ~bit);
        cleared = true;
    }
    if (!cleared) return;
    state.settings.modified = 1;
    followPlayerEdit(desktop, state);
}

void fillInCandidates(Desktop& desktop, WindowState& state) {
    const PuzzleRecord seen = seenBoard(state).puzzle;
    const int inHand = state.marks.cellInHand;
    bool filled = false;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!isOpen(seen, cell) || seen.valueGrid[cell] != 0) continue;
        if (cell == inHand ? !state.seen.cell(cell).text.empty() : seen.candidateNumbers[cell] != 0)
            continue;
        unsigned allowed = 0x1FF;
        for (int other = 0; other < kCells; ++other) {
            const int32_t value = shownValue(seen, other);
            if (other != cell && sharesUnit(cell, other) && value >= 1 && value <= 9)
                allowed &= ~(1u << (value - 1));
        }
        if (allowed == 0) continue;
        filled = true;
        if (cell == inHand) {
            showNotesInHand(desktop, cell, digitsOf(allowed));
        } else {
            storeNotes(desktop, state, cell, allowed);
        }
    }
    if (filled) state.settings.modified = 1;
}

void markCellInHand(Desktop& desktop, WindowState& state, CellMark mark) {
    const int cell = state.marks.cellInHand;
    if (cell < 0) return;
    const CellMark now = state.seen.cell(cell).mark;
    state.seen.setMark(cell, now == mark ? CellMark::kNone : mark);
    desktop.repaint(cellId(cell));
}

void clearColourMarks(Desktop& desktop, WindowState& state) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (state.seen.cell(cell).mark == CellMark::kNone) continue;
        state.seen.setMark(cell, CellMark::kNone);
        desktop.repaint(cellId(cell));
    }
}

// --- the digit strip -----------------------------------------------------------------

void createDigitStrip(Desktop& desktop) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    for (int digit = 1; digit <= 9; ++digit)
        desktop.createControl(digitButtonId(digit), ControlKind::kDigitButton,
                              layout.digitButton(digit));
    desktop.createControl(kClockId, ControlKind::kClockLabel, layout.clock);
}

void layOutDigitStrip(Desktop& desktop) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    for (int digit = 1; digit <= 9; ++digit)
        desktop.moveControl(digitButtonId(digit), layout.digitButton(digit));
    desktop.moveControl(kClockId, layout.clock);
}

void chooseDigit(Desktop& desktop, WindowState& state, int digit, bool clearNotes) {
    const int cell = state.marks.cellInHand;
    if (cell >= 0 && isOpen(state.puzzle, cell)) {
        const std::string text(1, static_cast<char>('0' + digit));
        desktop.setText(cellId(cell), text);
        takeCellEdit(desktop, state, cell, clearNotes);
        state.marks.chosenDigit = digit;
    } else {
        state.marks.chosenDigit = state.marks.chosenDigit == digit ? 0 : digit;
    }
    showDigitStrip(desktop, state);
}

void showDigitStrip(Desktop& desktop, WindowState& state) {
    int placed[10] = {};
    std::bitset<kCells> chosen;
    const int digit = state.marks.chosenDigit;
    for (int cell = 0; cell < kCells; ++cell) {
        const SeenCell& seen = state.seen.cell(cell);
        const bool clue = !isOpen(state.puzzle, cell);
        if (clue || showsValue(seen)) ++placed[seen.text.empty() ? 0 : seen.text[0] - '0'];
        if (digit != 0 && (digitMask(seen.text) & (1u << (digit - 1))))
            chosen.set(static_cast<size_t>(cell));
    }
    for (int d = 1; d <= 9; ++d) {
        const int left = placed[d] >= 9 ? 0 : 9 - placed[d];
        const std::string text =
            std::to_string(d) + "\r\n" + (left == 0 ? "\u2713" : std::to_string(left));
        if (state.seen.text(digitButtonId(d)) == text) continue;
        desktop.setText(digitButtonId(d), text);
        speakDigitButton(desktop, d, text);
    }
    if (state.checkedDigit != digit) {
        if (state.checkedDigit > 0) desktop.checkControl(digitButtonId(state.checkedDigit), false);
        if (digit > 0) desktop.checkControl(digitButtonId(digit), true);
        state.checkedDigit = digit;
    }
    const BoardMarks before = state.marks;
    state.marks.chosenCells = chosen;
    repaintChangedBackgrounds(desktop, state.puzzle, before, state.marks);
}

}  // namespace ga
