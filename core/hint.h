// The hint: what the player should look at next on the board as it stands,
// and why, in plain words; and the words for every step of the pencil-mark
// logic, which the command line's explanation prints too. All texts the hint
// and the explanation show are made here.
#pragma once

#include <string>

#include "core/puzzle_record.h"
#include "core/steps.h"

namespace ga {

enum class HintKind : int {
    kClash,       // an open cell's value stands elsewhere in its row, column or box
    kWrongValue,  // an open cell's value differs from the known answer
    kStep,        // the next step of the logic (a deduction or a contradiction)
    kNeedsGuess,  // no logical step is left
    kFinished,    // every cell holds a value, none clashes, none is wrong
};

struct Hint {
    HintKind kind = HintKind::kNeedsGuess;
    Step step;         // the step, for kStep
    std::string text;  // one line for the status box
    int cellCount = 0;
    uint8_t cells[21] = {};  // the cells to make stand out, the one in question first
};

// The hint for a record as the board holds it: clues, the open cells' values
// and, when answerKnown is 1, the answer. In this order: a value that clashes
// (names it and the cells it clashes with); a value that differs from the
// known answer; the next step of the logic on clues and values (the player's
// candidate lists are not used); else that a guess is needed, or that the
// board is finished. Reads the record only.
Hint hintFor(const PuzzleRecord& record);

// One line for a step, cells as "r4c2", rows, columns, boxes and values from 1:
// "r4c2: only 7 is left", "row 4: 7 fits only in column 2", ...
std::string stepText(const Step& step);

}  // namespace ga
