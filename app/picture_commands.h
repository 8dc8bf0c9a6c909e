// The board on paper: "Print..." and "Export Picture...".
#pragma once

#include <string>

#include "app/window_commands.h"
#include "platform/desktop.h"

namespace ga {

// 1144 "Print...": the board as it shows now, through the print dialog, whose
// print to a file starts where the file dialogs do. A page that could not be
// printed is reported in a box.
void printBoard(Desktop& desktop, WindowState& state);

// After the print dialog: a page that could not be printed is reported in a
// box, and the folder of a file printed to is where the file dialogs start.
void finishPrint(Desktop& desktop, WindowState& state, PrintOutcome outcome,
                 const std::string& printedFile);

// 1145 "Export Picture...": the same picture as a PNG or PDF file chosen in
// the file dialog. A file that cannot be written is reported in a box.
void exportBoardPicture(Desktop& desktop, WindowState& state);

}  // namespace ga
