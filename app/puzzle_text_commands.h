// The puzzle in and out as text, through the clipboard.
#pragma once

#include "app/window_commands.h"
#include "core/searches.h"
#include "platform/desktop.h"
#include "ui/settings.h"

namespace ga {

// The most search nodes a paste spends on counting answers; beyond it the
// paste is refused as undecided.
constexpr long kPasteSearchNodes = kWaitingCountNodes;

// 1142 "Copy Puzzle": the clue line on the clipboard.
void copyPuzzle(Desktop& desktop, WindowState& state);

// 1143 "Paste Puzzle": the clipboard's clues become a hand-built puzzle, with
// its answer when it has exactly one, without when it has more. Text that
// holds no puzzle, clues that clash or have no answer are refused in a box
// before the save question, and the board stays as it was.
void pastePuzzle(Desktop& desktop, WindowState& state, Settings& defaults);

}  // namespace ga
