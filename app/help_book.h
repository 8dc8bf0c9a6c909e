// Help: how to play, the keys, the levels, and a page for every technique of
// the ladder with an example board drawn as a hint draws its step.
#pragma once

#include "core/ladder/techniques.h"
#include "platform/board_drawing.h"

namespace ga {

// The pages in order: "How to play", "Keys", "Levels", then one page per
// technique in the ladder's order.
HelpBook helpBook();

// The page of `technique`, or the first page for kNone.
int helpPageOf(Technique technique);

// "What is a Swordfish?", "What is an X-Wing?": the question of a hint's panel.
std::string techniqueQuestion(Technique technique);

}  // namespace ga
