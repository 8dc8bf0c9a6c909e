// Playing beyond typing into cells: notes toggled one digit at a time, notes
// cleared around a placed value, candidates filled in as notes, colour marks
// and the digit strip. All of it works on the board as the player sees it
// (WindowState::seen) and writes through the desktop, so the cells and the
// record stay in step.
#pragma once

#include <string>

#include "app/window_commands.h"
#include "platform/desktop.h"

namespace ga {

// Shift + `digit` in `cell`, the cell in hand: the digit is added to or taken
// from its notes, kept in digit order, and shown as notes (a single one too).
// A cell that shows a value, a clue and hand-building are left alone. Each
// toggle is a step of the history.
void toggleNote(Desktop& desktop, WindowState& state, int cell, int digit);

// The player changed the text of `cell`. A single digit placed there, with
// `clearNotes`, takes that digit from the notes of its row, column and box;
// the placement and the clearing are one step.
void takeCellEdit(Desktop& desktop, WindowState& state, int cell, bool clearNotes);

// Every empty open cell (no value, no notes; the cell in hand by what it
// shows) gets as notes every digit its row, column and box allow.
void fillInCandidates(Desktop& desktop, WindowState& state);

// The cell in hand takes `mark`, or loses it when it has it already;
// kNone clears it. Without a cell in hand nothing happens.
void markCellInHand(Desktop& desktop, WindowState& state, CellMark mark);
void clearColourMarks(Desktop& desktop, WindowState& state);

// --- the digit strip -----------------------------------------------------------------
// A button per digit under the status box, with how many of it are still to be
// placed. Choosing a digit tints every cell that shows it, as a value or a
// note, and with a cell in hand places it there, as if typed. Choosing it
// again takes the tint away.
void createDigitStrip(Desktop& desktop);
// Moves the digit strip and the clock to the client's width.
void layOutDigitStrip(Desktop& desktop);
void chooseDigit(Desktop& desktop, WindowState& state, int digit, bool clearNotes);
// The counts and the chosen digit's tint, brought up to date with the board.
void showDigitStrip(Desktop& desktop, WindowState& state);

}  // namespace ga
