// Edit > Print Puzzles...: a booklet of new puzzles, several to a page with
// their answers after them. The dialog asks what they are (a level, the class
// of the level setting or a hardest technique), how many and how laid out;
// the worker makes them as a job the player can stop (Escape, or the Stop
// button), and the print dialog then sends the pages to a printer or a PDF
// file. The board is never touched.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/jobs.h"
#include "platform/desktop.h"
#include "ui/booklet_dialog.h"

namespace ga {

struct WindowState;

// What a booklet's puzzles are.
struct BookletSource {
    enum class Kind { kLevel, kClass, kTechnique };
    Kind kind = Kind::kClass;
    int value = 0;  // the Level or the Technique; the class is the level setting's
};

// The booklet last asked for, offered again for the next.
struct BookletRequest {
    BookletSource source;
    int count = 12;
    BookletOptions options;
};

// 1169's dialog: true when the player asked to print (then in state.booklet).
bool chooseBooklet(Desktop& desktop, WindowState& state);

// The command table's maker of its job, from state.booklet; its notice
// brings the print dialog for the booklet made.
std::unique_ptr<Job> prepareBookletJob(Desktop& desktop, WindowState& state, int command);

}  // namespace ga
