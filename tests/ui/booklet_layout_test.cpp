// The places of a booklet's pictures: on the sheet with white round them,
// never over each other or the page number, every puzzle once and in order,
// and the answers, smaller, after the last puzzle.
#include <gtest/gtest.h>

#include "ui/booklet.h"
#include "ui/booklet_layout.h"

namespace ga {
namespace {

bool overlap(const PaperRect& a, const PaperRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Inside the sheet with at least `white` millimetres of paper all round.
bool insideSheet(const PaperRect& r, const PaperSize& sheet, double white) {
    return r.width > 0 && r.height > 0 && r.left >= white && r.top >= white &&
           r.left + r.width <= sheet.width - white && r.top + r.height <= sheet.height - white;
}

struct LayoutCase {
    int perPage;
    Paper paper;
    int puzzlePages;  // for 13 puzzles; their answers take 2 more
};

TEST(BookletLayout, PicturesStayOnTheSheetApartAndInOrder) {
    constexpr int kPuzzles = 13;
    const LayoutCase cases[] = {
        {1, Paper::kA4, 13},    {2, Paper::kA4, 7},      {4, Paper::kA4, 4},
        {6, Paper::kA4, 3},     {1, Paper::kLetter, 13}, {2, Paper::kLetter, 7},
        {4, Paper::kLetter, 4}, {6, Paper::kLetter, 3},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.perPage << " per page, paper " << int(c.paper));
        const PaperSize sheet = paperSize(c.paper);
        EXPECT_EQ(layOutBooklet(kPuzzles, c.perPage, false, c.paper).size(),
                  static_cast<size_t>(c.puzzlePages));
        const auto pages = layOutBooklet(kPuzzles, c.perPage, true, c.paper);
        ASSERT_EQ(pages.size(), static_cast<size_t>(c.puzzlePages + 2));

        int nextPuzzle = 0, nextAnswer = 0;
        double narrowestPuzzle = sheet.width, widestAnswer = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            const BookletPageLayout& page = pages[p];
            EXPECT_TRUE(insideSheet(page.footer, sheet, 10)) << "page " << p;
            ASSERT_FALSE(page.places.empty());
            const bool answerPage = page.places.front().answer;
            EXPECT_EQ(answerPage, p >= static_cast<size_t>(c.puzzlePages)) << "page " << p;
            EXPECT_LE(page.places.size(), static_cast<size_t>(answerPage ? 12 : c.perPage));
            for (size_t s = 0; s < page.places.size(); ++s) {
                const BookletPlace& place = page.places[s];
                EXPECT_EQ(place.answer, answerPage);
                EXPECT_EQ(place.puzzle, place.answer ? nextAnswer++ : nextPuzzle++);
                EXPECT_TRUE(insideSheet(place.area, sheet, 10)) << "page " << p << " place " << s;
                EXPECT_FALSE(overlap(place.area, page.footer)) << "page " << p << " place " << s;
                for (size_t t = 0; t < s; ++t)
                    EXPECT_FALSE(overlap(place.area, page.places[t].area))
                        << "page " << p << " places " << t << " and " << s;
                if (place.answer) widestAnswer = std::max(widestAnswer, place.area.width);
                if (!place.answer) narrowestPuzzle = std::min(narrowestPuzzle, place.area.width);
            }
        }
        EXPECT_EQ(nextPuzzle, kPuzzles);
        EXPECT_EQ(nextAnswer, kPuzzles);
        EXPECT_LT(widestAnswer, narrowestPuzzle);
    }
}

// The pages name their puzzles by number from 1, the answers likewise, and
// count themselves at their foot.
TEST(BookletLayout, PagesNameTheirPuzzlesAndCountThemselves) {
    std::vector<BookletPuzzle> puzzles(5);
    for (int i = 0; i < 5; ++i) {
        puzzles[i].score = 100 + i;
        puzzles[i].level = Level::kHard;
        puzzles[i].clues[i] = 7;
        for (uint8_t& value : puzzles[i].answer) value = 7;
    }
    const Booklet booklet = makeBooklet(puzzles, BookletOptions{4, Paper::kLetter, true});
    ASSERT_EQ(booklet.pages.size(), 3u);
    EXPECT_DOUBLE_EQ(booklet.paperWidth, paperSize(Paper::kLetter).width);
    EXPECT_EQ(booklet.pages[0].pictures.size(), 4u);
    EXPECT_EQ(booklet.pages[1].pictures[0].picture.heading, "Puzzle 5: Hard, score 104");
    EXPECT_EQ(booklet.pages[2].footer, "Page 3 of 3");
    const BoardPicture& answer = booklet.pages[2].pictures[1].picture;
    EXPECT_EQ(answer.heading, "Answer 2");
    EXPECT_EQ(answer.cells[1].mark, BoardPicture::Mark::kClue);
    EXPECT_EQ(answer.cells[0].mark, BoardPicture::Mark::kValue);
    EXPECT_EQ(answer.cells[0].digits, "7");
    EXPECT_EQ(booklet.pages[0].pictures[2].picture.cells[0].mark, BoardPicture::Mark::kEmpty);
}

}  // namespace
}  // namespace ga
