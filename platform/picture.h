// The board as a picture for paper: what to draw, not how. The logic fills it
// in; the desktop prints it or saves it as an image.
#pragma once

#include <string>

#include "core/puzzle_record.h"

namespace ga {

struct BoardPicture {
    enum class Mark : char { kEmpty, kClue, kValue, kCandidates };
    struct Cell {
        Mark mark = Mark::kEmpty;
        std::string digits;  // the clue, the player's value or the candidate list
    };
    std::string heading;       // above the grid: which puzzle this is
    Cell cells[kCells];        // row by row from the top left
    bool coordinates = false;  // row numbers at the left, column numbers above
};

enum class PrintOutcome { kPrinted, kCancelled, kFailed };

}  // namespace ga
