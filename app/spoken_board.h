// The board as a screen reader tells it: each cell named by its place, with
// a description of what it shows, and the status box by its name. Nothing on
// the screen changes with these words.
#pragma once

#include <string>

#include "app/window_commands.h"
#include "platform/desktop.h"
#include "platform/theme_palette.h"

namespace ga {

// What the text of a cell shows: a value, a mistake or candidates; notes are
// drawn like candidates, a single one too.
CellInk shownInk(const WindowState& state, int cellIndex);

struct CellSpeech {
    std::string name;         // "row 3, column 4"
    std::string description;  // "7, clue", "7", "notes 4, 6, 7" or "empty", then
                              // ", mistake" and ", marked rose" when so
};
CellSpeech cellSpokenText(const WindowState& state, int cellIndex);

// Gives the desktop the words of every cell whose words changed since it was
// last told (a cell made anew has been told nothing).
void speakChangedCells(Desktop& desktop, const WindowState& state);

// A digit strip button as a screen reader tells it, from the text it shows
// (the digit, and on a second line how many are left, or a tick): named by
// its digit, "5", and described "3 left" or "none left".
CellSpeech digitButtonSpokenText(int digit, const std::string& shown);
void speakDigitButton(Desktop& desktop, int digit, const std::string& shown);

// The status box's name.
void nameStatusBox(Desktop& desktop);

}  // namespace ga
