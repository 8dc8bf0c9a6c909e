// The human-style solving ladder: the next step is always one of the
// simplest technique that has one (the list order of techniques.h, first
// found), so a puzzle is explained the way a person would work through it.
#pragma once

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/solving_context.h"
#include "core/ladder/step.h"
#include "core/progress.h"

namespace ga {

constexpr int kHighestRung = 10;

// The next step of techniques up to rung `highestRung`; technique kNone when
// none applies (or the board is finished). Uniqueness techniques only when
// board.uniqueAnswer.
LadderStep nextLadderStep(const LadderBoard& board, int highestRung = kHighestRung);
// The same with a context of the caller's thread, kept from step to step: a
// caller looking at many boards in turn spares making one each time.
LadderStep nextLadderStep(const LadderBoard& board, int highestRung, SolvingContext& context);

// Makes the step's placement and eliminations.
void applyLadderStep(LadderBoard& board, const LadderStep& step);

// The whole step in one sentence, for the full hint and `explain --ladder`,
// a long chain cut to what the status box shows unless the whole is asked for.
// These words are in the player's language (context "Hint"): English, byte
// for byte, while no catalogue is installed.
std::string ladderStepText(const LadderStep& step, StepWords words = StepWords::kFitted);
// Where to look and what for, without giving the step away: "look at box 5:
// a pointing pair", "look at row 2 and row 7: an X-Wing".
std::string ladderStepLead(const LadderStep& step);
// The cells of the places the lead names.
CellSet ladderStepLeadCells(const LadderStep& step);
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

// Walks the ladder from `board` to its end, with techniques up to rung
// `highestRung`; the meter, when given, follows the cells filled.
LadderRating rateWithLadder(LadderBoard board, int highestRung = kHighestRung,
                            ProgressMeter* meter = nullptr);
// The same with a context of the caller's thread: for rating many puzzles.
LadderRating rateWithLadder(LadderBoard board, SolvingContext& context,
                            int highestRung = kHighestRung, ProgressMeter* meter = nullptr);

// Walks the ladder from `board` until its next step is of `technique`, and
// leaves `board` at that position: every earlier step done. False when the
// walk ends or gets stuck first (`board` is then where it ended).
bool walkLadderTo(LadderBoard& board, Technique technique);

// The level of a rated puzzle: the highest of its techniques', one higher when
// the way there is long for that level: its score reaches the level's limit,
// or it takes many steps of the Hard and Fiendish techniques (README.md, "How
// the levels were chosen"). A puzzle the ladder does not solve is Extreme.
Level puzzleLevel(const LadderRating& rating);

// "612 Hard XY-Wing 33 single, 3 locked, 1 pair, 1 XY-Wing": the score, the
// hardest technique and the steps per count word, in ladder order.
std::string ratingText(const LadderRating& rating);
// Its last part: "33 single, 3 locked, 1 pair, 1 XY-Wing". Both stay English,
// for files and the command line.
std::string ratingCounts(const LadderRating& rating);
// The counts as the player reads them: the count words in their language.
std::string shownRatingCounts(const LadderRating& rating);

}  // namespace ga
