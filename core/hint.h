// The hint: what the player should look at next on the board as they see it,
// and why, in plain words; and the words for every step of the pencil-mark
// logic, which the command line's plain explanation prints. All texts the
// hint and the explanation show are made here.
//
// The hint's steps come from the human-style ladder on the board as the
// player sees it: their values, and the candidate lists they typed. It comes
// in two stages: first where to look and for what, then the whole step.
#pragma once

#include <string>

#include "core/ladder/ladder.h"
#include "core/puzzle_record.h"
#include "core/searches.h"
#include "core/steps.h"

namespace ga {

enum class HintKind : int {
    kClash,           // an open cell's value stands elsewhere in its row, column or box
    kWrongValue,      // an open cell's value differs from the answer
    kWrongList,       // a typed candidate list leaves out the answer's value
    kStep,            // the next step of the ladder
    kNoAnswer,        // the puzzle's clues have no answer
    kSeveralAnswers,  // they have more than one
    kNeedsGuess,      // no technique of the ladder applies
    kFinished,        // every cell holds a value, none clashes, none is wrong
};

// What is known of the answers of a puzzle's clues.
constexpr int kAnswersNotCounted = -2;
struct PuzzleAnswers {
    // 0, 1, 2 (two or more), kCountGaveUp (searchable only beyond the bound),
    // or kAnswersNotCounted.
    int count = kAnswersNotCounted;
    Grid answer{};  // the one answer, when count is 1
};

// The stored answer as the only one when the record knows it, else not counted.
PuzzleAnswers storedAnswers(const PuzzleRecord& record);
// Counts the answers of the record's clues (the open cells' values left out)
// by the exact search, giving up beyond `nodeLimit` search nodes.
PuzzleAnswers countClueAnswers(const PuzzleRecord& record, long nodeLimit);
// The clues on a grid of their own (0 at open cells): what a count is about.
void clueValues(const PuzzleRecord& record, Grid& values);

struct Hint {
    HintKind kind = HintKind::kNeedsGuess;
    LadderStep step;  // for kStep
    // For the other kinds: the value that clashes or is wrong, or the
    // ValueMask of the wrong list.
    int32_t value = 0;
    int cellCount = 0;
    uint8_t cells[21] = {};  // for the other kinds: the cell in question first
};

// How far the hint may search. The rungs up to the unique rectangles look
// for patterns of a fixed size (singles up to fish of four lines, wings,
// rectangles) and take well under a millisecond on any board, the empty one
// included; chains, almost locked sets and forcing chains search links whose
// number grows with the candidates left, a third of a second on an empty
// board.
enum class HintReach { kQuickRungs, kWholeLadder };
constexpr int kQuickRung = 7;

// The hint for a record as the board holds it (clues, the open cells' values
// and typed candidate lists), in this order: a value that clashes (names it
// and the cells it clashes with); with one answer known, a value that
// differs from it; that the board is finished; that the puzzle's clues have
// no answer or several; with one answer known, a typed list that leaves out
// its value; the next step of the ladder; else that a guess is needed. Returns false, with `hint`
// unset, when telling it needs more than `reach` or `answers` allow: the answers are not counted
// yet, or no quick rung has a step.
bool findHint(const PuzzleRecord& record, const PuzzleAnswers& answers, HintReach reach,
              Hint& hint);

// The whole hint, counting the clues' answers when no answer is stored.
Hint hintFor(const PuzzleRecord& record, long countNodeLimit);

// A step's hint comes in two stages; the other kinds have one, shown at both.
enum class HintStage { kLead, kWhole };
// The text for the status box: the lead says where to look and for what
// ("look at box 5: a pointing pair"); the whole step says why and what it
// does ("r4c5 loses 1 and 6"), on a line of its own when the technique's
// sentence does not name the cells.
std::string hintText(const Hint& hint, HintStage stage);
// The cells to tint: the lead's units (or cell), the cells the whole step
// rests on, or the cells of the other kinds.
CellSet hintCells(const Hint& hint, HintStage stage);

// One line for a step, cells as "r4c2", rows, columns, boxes and values from 1:
// "r4c2: only 7 is left", "row 4: 7 fits only in column 2", ...
std::string stepText(const Step& step);

}  // namespace ga
