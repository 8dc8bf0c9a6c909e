// The step finders, one family of techniques per file. A finder looks for a
// step of one technique of its family on the board and, when it finds one,
// fills `step` (technique, what it places or eliminates, what it rests on)
// and returns true. What it makes from the board, and its scratch, it keeps
// in the context (which is looking at the same board). A step must change
// the board: a finder never returns one that eliminates nothing and places
// nothing. Each family also makes the
// sentence that explains its steps.
#pragma once

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/solving_context.h"
#include "core/ladder/step.h"

namespace ga {

#define GA_DECLARE_FAMILY(family)                                                            \
    bool find##family##Step(const LadderBoard& board, const DigitCells& where,               \
                            Technique technique, SolvingContext& context, LadderStep& step); \
    std::string describe##family##Step(const LadderStep& step, StepWords words);

GA_DECLARE_FAMILY(Singles)
GA_DECLARE_FAMILY(Intersections)
GA_DECLARE_FAMILY(Subsets)
GA_DECLARE_FAMILY(Fish)
GA_DECLARE_FAMILY(SingleDigitPatterns)
GA_DECLARE_FAMILY(Wings)
GA_DECLARE_FAMILY(Uniqueness)
GA_DECLARE_FAMILY(Chains)
GA_DECLARE_FAMILY(AlmostLockedSets)
GA_DECLARE_FAMILY(ForcingChains)

#undef GA_DECLARE_FAMILY

}  // namespace ga
