// The step finders and describers, one family of techniques per file, one
// of each per technique (techniques.h names them). A finder looks for a step
// of its technique on the board and, when it finds one, fills `step` (what it
// places or eliminates, what it rests on) and returns true. What it makes
// from the board, and its scratch, it keeps in the context (which is looking
// at the same board). A step must change the board: a finder never returns
// one that eliminates nothing and places nothing. A describer makes the
// sentence that explains a step its finder found.
#pragma once

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/solving_context.h"
#include "core/ladder/step.h"
#include "core/ladder/techniques.h"

namespace ga {

#define GA_DECLARE_TECHNIQUE(id, name, word, rung, weight, level, finder, describer)        \
    bool finder(const LadderBoard& board, const DigitCells& where, SolvingContext& context, \
                LadderStep& step);                                                          \
    std::string describer(const LadderStep& step, StepWords words);

GA_LADDER_TECHNIQUES(GA_DECLARE_TECHNIQUE)

#undef GA_DECLARE_TECHNIQUE

}  // namespace ga
