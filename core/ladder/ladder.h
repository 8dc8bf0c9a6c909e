// The human-style solving ladder: the next step is always one of the
// simplest technique that has one (the list order of techniques.h, first
// found), so a puzzle is explained the way a person would work through it.
#pragma once

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/step.h"

namespace ga {

// The next step of techniques up to rung `highestRung`; technique kNone when
// none applies (or the board is finished). Uniqueness techniques only when
// board.uniqueAnswer.
LadderStep nextLadderStep(const LadderBoard& board, int highestRung = 10);

// Makes the step's placement and eliminations.
void applyLadderStep(LadderBoard& board, const LadderStep& step);

// The whole step in one sentence, for the full hint and `explain --ladder`.
std::string ladderStepText(const LadderStep& step);
// Where to look and what for, without giving the step away: "look at box 5:
// a Pointing".
std::string ladderStepLead(const LadderStep& step);
// What the step does: "r5c5 takes 3", or "r4c5 loses 1 and 6; r6c4 loses 2".
std::string ladderStepResult(const LadderStep& step);

struct LadderRating {
    int score = 0;                         // the sum of the weights of the steps taken
    Technique hardest = Technique::kNone;  // the highest-rung technique used
    int steps = 0;
    int counts[kTechniqueCount] = {};  // steps per technique
    bool solved = false;               // the ladder reached a full grid
    // Walked without uniqueness techniques, a step of one was there to take
    // somewhere: with them the path would have differed.
    bool uniquenessSkipped = false;
};

// Walks the ladder from `board` to its end.
LadderRating rateWithLadder(LadderBoard board);

// "612 XY-Wing 33 single, 3 locked, 1 pair, 1 XY-Wing": the score, the
// hardest technique and the steps per count word, in ladder order.
std::string ratingText(const LadderRating& rating);

}  // namespace ga
