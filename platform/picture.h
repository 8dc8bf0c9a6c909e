// The board as a picture for paper: what to draw, not how. The logic fills it
// in; the desktop prints it or saves it as an image.
#pragma once

#include <string>
#include <vector>

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

// The heading's band above a picture's grid, as a share of the grid's side:
// a picture's area is that much higher than wide when the grid fills it.
constexpr double kPictureHeadingShare = 0.1;

// --- booklets: several pictures to a page ------------------------------------------
// A place on a sheet of paper, in millimetres from its top left corner.
struct PaperRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct PlacedPicture {
    BoardPicture picture;
    PaperRect area;  // the heading and the grid, as large as it allows, at its top
};

struct PrintedPage {
    std::vector<PlacedPicture> pictures;
    std::string footer;  // the page number, centred in its area
    PaperRect footerArea;
};

// Pages laid out to the millimetre: the desktop only paints what they hold.
struct Booklet {
    std::string title;                       // the document's name
    double paperWidth = 0, paperHeight = 0;  // millimetres, portrait
    std::vector<PrintedPage> pages;
};

}  // namespace ga
