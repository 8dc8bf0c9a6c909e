#include "ui/booklet_layout.h"

#include <algorithm>

namespace ga {

namespace {

// The paper's edge left white all round, and the band at the foot of the
// printed area that holds the page number.
constexpr double kMargin = 15;
constexpr double kFooterBand = 10;
constexpr double kFooterHeight = 6;

// How a page is cut into places, and the white between two of them.
struct PageGrid {
    int columns, rows;
    double gap;
};
constexpr PageGrid kAnswerGrid = {3, 4, 8};

PageGrid puzzleGrid(int perPage) {
    switch (perPage) {
        case 1:
            return {1, 1, 0};
        case 2:
            return {1, 2, 12};
        case 6:
            return {2, 3, 12};
        default:
            return {2, 2, 12};
    }
}

// Where the first of `count` pictures in a row (or a column) starts and how
// far the next follows it, in a length `free` longer than they: the white is
// shared evenly before, between and after them, but never less than `gap`
// between two.
struct Spread {
    double first, step;
};
Spread spread(double free, int count, double gap) {
    const double even = free / (count + 1);
    if (even >= gap) return Spread{even, even};
    return Spread{(free - (count - 1) * gap) / 2, gap};
}

// Place `index` of the grid: all pictures as large as the grid allows.
PaperRect placeOnPage(const PaperSize& paper, const PageGrid& grid, int index) {
    const double printedWidth = paper.width - 2 * kMargin;
    const double printedHeight = paper.height - 2 * kMargin - kFooterBand;
    const double side = std::min(
        (printedWidth - (grid.columns - 1) * grid.gap) / grid.columns,
        (printedHeight - (grid.rows - 1) * grid.gap) / grid.rows / (1 + kPictureHeadingShare));
    const double height = side * (1 + kPictureHeadingShare);
    const Spread across = spread(printedWidth - grid.columns * side, grid.columns, grid.gap);
    const Spread down = spread(printedHeight - grid.rows * height, grid.rows, grid.gap);
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    return PaperRect{kMargin + across.first + column * (side + across.step),
                     kMargin + down.first + row * (height + down.step), side, height};
}

// Pages of `count` pictures, `grid` to a page, appended to `pages`.
void addPages(const PaperSize& paper, const PageGrid& grid, int count, bool answers,
              std::vector<BookletPageLayout>& pages) {
    const int perPage = grid.columns * grid.rows;
    for (int first = 0; first < count; first += perPage) {
        BookletPageLayout page;
        page.footer = PaperRect{kMargin, paper.height - kMargin - kFooterHeight,
                                paper.width - 2 * kMargin, kFooterHeight};
        for (int i = first; i < std::min(count, first + perPage); ++i)
            page.places.push_back(BookletPlace{answers, i, placeOnPage(paper, grid, i - first)});
        pages.push_back(page);
    }
}

}  // namespace

PaperSize paperSize(Paper paper) {
    return paper == Paper::kLetter ? PaperSize{215.9, 279.4} : PaperSize{210, 297};
}

bool isPerPageChoice(int perPage) {
    return std::find(std::begin(kPerPageChoices), std::end(kPerPageChoices), perPage) !=
           std::end(kPerPageChoices);
}

std::vector<BookletPageLayout> layOutBooklet(int puzzles, int perPage, bool answers, Paper paper) {
    const PaperSize size = paperSize(paper);
    std::vector<BookletPageLayout> pages;
    addPages(size, puzzleGrid(perPage), puzzles, false, pages);
    if (answers) addPages(size, kAnswerGrid, puzzles, true, pages);
    return pages;
}

}  // namespace ga
