// The window's uses of the human-style ladder: the hint in two stages,
// doing the hinted step, and rating the puzzle.
//
// What may take long runs as a job on the worker, and nothing else does:
// counting the answers of clues whose answer is not stored (once per puzzle,
// then remembered), and the ladder's rungs above the quick ones (see
// HintReach). A hint found on the quick rungs, and a rating that needs no
// more, are given at once on the window thread; otherwise the same command
// starts a job and finishes when its notice comes back.
#pragma once

#include <memory>
#include <string>

#include "app/jobs.h"
#include "core/hint.h"
#include "core/ladder/ladder.h"
#include "platform/desktop.h"

namespace ga {

struct WindowState;
class JobControl;

// What the window remembers between ladder commands.
struct LadderMemory {
    // The last hint and the board as the player saw it then; an edit lets
    // it go.
    bool holdsHint = false;
    PuzzleRecord board{};
    Hint hint;
    // What is known of the answers of these clues (0 at open cells).
    bool counted = false;
    Grid clues{};
    PuzzleAnswers answers;
    // The status text a rating job covered while it ran.
    std::string statusBeforeJob;
    // The held hint's step is drawn on the board.
    bool drawn = false;
    // Help, made when first opened.
    std::shared_ptr<const HelpBook> help;
};

// 1146 "Hint": on a board the last hint was given on, the whole step; on any
// other, the new hint's lead.
void giveHint(Desktop& desktop, WindowState& state, JobControl& jobs);
// 1147 "Apply Hint": does the hinted step, found first when the board has
// changed since the last hint: places its value, or writes the reduced
// candidate lists into the cells it changes (a cell without a list gets its
// whole list first; a cell left with one candidate takes it as its value, as
// a list of one digit is a value on this board). A hint that is no step is
// shown instead.
void applyHint(Desktop& desktop, WindowState& state, JobControl& jobs);
// 1148 "Rate Puzzle": a box with the rating of the puzzle's clues.
// F1 "Help" and the hint panel's question: Help at the page of `technique`
// (the first page for kNone).
void openHelp(Desktop& desktop, WindowState& state, Technique technique);
// The technique of the hint held, kNone when none is held.
Technique hintTechnique(const WindowState& state);
// The drawing of the held hint goes (at the board's next change).
void forgetStepDrawing(Desktop& desktop, WindowState& state);

void ratePuzzle(Desktop& desktop, WindowState& state, JobControl& jobs);

// The rating of a finished puzzle's clues, whose answer is then known; false
// when it has no single answer.
bool rateFinishedPuzzle(const WindowState& state, LadderRating& rating);

// The rating of the clues up to `highestRung`; false when the answers are not
// counted yet or the rungs allowed do not reach the end. Clues without one
// answer are not walked: `rating` stays empty.
bool rateClues(const PuzzleRecord& record, const PuzzleAnswers& answers, int highestRung,
               ProgressMeter* meter, LadderRating& rating);

// The command table's maker of the job of `command` (1146..1148), the
// running text shown meanwhile.
std::unique_ptr<Job> prepareLadderJob(Desktop& desktop, WindowState& state, int command);

}  // namespace ga
