// A ladder step as a drawing over the board it was found on: the candidates
// it rests on and removes, the value it places, a chain's nodes and links,
// a fish's lines and the sets of the other patterns.
#pragma once

#include "core/ladder/board.h"
#include "core/ladder/step.h"
#include "platform/board_drawing.h"

namespace ga {

// Every empty cell the step names is drawn with the board's candidates, even
// where the player has no marks. For fish the base units are tinted in one
// colour, the cover units in another, and the pattern's cells outside the
// cover units are its fins; other steps with units tint the unit they rest
// in and the one that loses as base and cover, unless they rest on almost
// locked sets, which are tinted one colour each instead. A chain's link is strong
// where an off node leads to an on node and weak otherwise; a forcing chain's
// branches are drawn all at once, with no link into a branch's first node.
BoardDrawing stepDrawing(const LadderStep& step, const LadderBoard& board);

// A picture of the board the step was found on, for drawing it elsewhere
// than the window: its values as clues and nothing else.
BoardPicture stepBoardPicture(const LadderBoard& board);

}  // namespace ga
