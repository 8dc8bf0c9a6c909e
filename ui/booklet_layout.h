// Where the puzzles of a booklet go on its pages: 1, 2, 4 or 6 puzzles to a
// page, then their answers in small grids, twelve to a page, and a page
// number at the foot of every page, on A4 or Letter. Plain arithmetic in
// millimetres; the desktop only paints the pictures where it is told.
#pragma once

#include <vector>

#include "platform/picture.h"

namespace ga {

enum class Paper { kA4, kLetter };

struct PaperSize {
    double width = 0, height = 0;  // millimetres, portrait
};
PaperSize paperSize(Paper paper);

// The puzzles to a page a booklet may have.
constexpr int kPerPageChoices[] = {1, 2, 4, 6};
constexpr int kDefaultPerPage = 4;
bool isPerPageChoice(int perPage);

// One picture's place: puzzle `puzzle` (0-based) or its answer.
struct BookletPlace {
    bool answer = false;
    int puzzle = 0;
    PaperRect area;  // as wide as the grid, its heading's band included
};

struct BookletPageLayout {
    std::vector<BookletPlace> places;
    PaperRect footer;  // where the page number goes
};

// The pages of `puzzles` puzzles at `perPage` to a page (one of
// kPerPageChoices), the puzzles in their order, and after them, when
// `answers`, their answers in the same order, starting on a page of their own.
std::vector<BookletPageLayout> layOutBooklet(int puzzles, int perPage, bool answers, Paper paper);

}  // namespace ga
