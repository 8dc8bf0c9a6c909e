// Edit > Print Puzzles...: a booklet of new puzzles, several to a page with
// their answers after them. The dialog asks what they are (a level, the class
// of the level setting or a hardest technique), how many and how laid out;
// the worker makes them as a job the player can stop (Escape, or the Stop
// button), and the print dialog then sends the pages to a printer or a PDF
// file. The board is never touched.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "ui/booklet_dialog.h"

namespace ga {

struct JobRecord;
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

// The job's side, for JobControl: its inputs, its body on the worker (returns
// the notice) and, with the notice, the print dialog for the booklet made.
void prepareBookletJob(Desktop& desktop, WindowState& state, JobRecord& job);
int runBookletJob(JobRecord& job);
void printMadeBooklet(Desktop& desktop, WindowState& state, const JobRecord& job);

}  // namespace ga
