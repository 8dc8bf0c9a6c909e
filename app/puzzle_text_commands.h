// The puzzle in and out as text, through the clipboard.
#pragma once

#include <memory>

#include "app/jobs.h"
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
// holds no puzzle and clues that clash are refused at once; the answers are
// counted as a job (a sparse puzzle can take the count a few hundred
// milliseconds), and its notice refuses clues without answer or whose count
// would take too long. Every refusal comes in a box before the save question,
// and the board stays as it was. The command table's maker of its job.
std::unique_ptr<Job> preparePasteJob(Desktop& desktop, WindowState& state, int command);

// The count's job: the answers of a pasted puzzle (its clues loaded) up to
// two, or kCountGaveUp past kPasteSearchNodes; the answer is stored when there
// is exactly one.
int countPastedAnswers(PuzzleRecord& puzzle);

}  // namespace ga
