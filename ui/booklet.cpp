#include "ui/booklet.h"

#include <string>

#include "core/ladder/board.h"
#include "core/ladder/ladder.h"
#include "core/searches.h"
#include "core/translation.h"

namespace ga {

namespace {

BoardPicture puzzlePicture(const BookletPuzzle& puzzle, int number) {
    BoardPicture picture;
    picture.heading = filled(translate("Window", "Puzzle %1: %2, score %3"),
                             {std::to_string(number), translate("Level", levelName(puzzle.level)),
                              std::to_string(puzzle.score)});
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.clues[cell] == 0) continue;
        picture.cells[cell] = {BoardPicture::Mark::kClue, std::to_string(puzzle.clues[cell])};
    }
    return picture;
}

BoardPicture answerPicture(const BookletPuzzle& puzzle, int number) {
    BoardPicture picture;
    picture.heading = filled(translate("Window", "Answer %1"), {std::to_string(number)});
    for (int cell = 0; cell < kCells; ++cell) {
        const bool clue = puzzle.clues[cell] != 0;
        picture.cells[cell] = {clue ? BoardPicture::Mark::kClue : BoardPicture::Mark::kValue,
                               std::to_string(puzzle.answer[cell])};
    }
    return picture;
}

// The clues of a record as a puzzle line is read, loaded into its valueGrid.
void takeClues(PuzzleRecord& record, BookletPuzzle& puzzle) {
    for (int cell = 0; cell < kCells; ++cell)
        puzzle.clues[cell] =
            record.openFlags[cell] == 0 ? static_cast<uint8_t>(record.answerGrid[cell]) : 0;
    loadClues(record);
}

// The ladder's rating of the clues; uniqueness techniques only for a puzzle
// known to have one answer.
void rate(const PuzzleRecord& record, bool uniqueAnswer, BookletPuzzle& puzzle) {
    LadderBoard board;
    loadLadderBoardFromRecord(record, uniqueAnswer, board);
    const LadderRating rating = rateWithLadder(board);
    puzzle.score = rating.score;
    puzzle.level = puzzleLevel(rating);
}

}  // namespace

BookletPuzzle bookletPuzzle(const OrderedPuzzle& made) {
    BookletPuzzle puzzle;
    for (int cell = 0; cell < kCells; ++cell) {
        puzzle.clues[cell] = made.clues[cell];
        puzzle.answer[cell] = made.answer[cell];
    }
    puzzle.score = made.rating.score;
    puzzle.level = made.level;
    return puzzle;
}

GivenPuzzleProblem givenBookletPuzzle(PuzzleRecord& record, BookletPuzzle& puzzle) {
    takeClues(record, puzzle);
    if (hasDuplicate(record.valueGrid)) return GivenPuzzleProblem::kNoAnswer;
    Grid answer;
    const int answers = countAnswers(record, 2, kWaitingCountNodes, &answer);
    if (answers == 0) return GivenPuzzleProblem::kNoAnswer;
    if (answers == kCountGaveUp) return GivenPuzzleProblem::kUndecided;
    if (answers != 1) return GivenPuzzleProblem::kSeveralAnswers;
    for (int cell = 0; cell < kCells; ++cell)
        puzzle.answer[cell] = static_cast<uint8_t>(answer[cell]);
    rate(record, true, puzzle);
    return GivenPuzzleProblem::kNone;
}

BookletPuzzle generatedBookletPuzzle(PuzzleRecord& record) {
    BookletPuzzle puzzle;
    takeClues(record, puzzle);
    for (int cell = 0; cell < kCells; ++cell)
        puzzle.answer[cell] = static_cast<uint8_t>(record.answerGrid[cell]);
    rate(record, countAnswers(record, 2, kWaitingCountNodes) == 1, puzzle);
    return puzzle;
}

const char* givenPuzzleProblemText(GivenPuzzleProblem problem) {
    switch (problem) {
        case GivenPuzzleProblem::kNoAnswer:
            return "the puzzle has no answer";
        case GivenPuzzleProblem::kSeveralAnswers:
            return "the puzzle has several answers";
        case GivenPuzzleProblem::kUndecided:
            return "its answers could not be counted quickly";
        case GivenPuzzleProblem::kNone:
            break;
    }
    return "";
}

Booklet makeBooklet(const std::vector<BookletPuzzle>& puzzles, const BookletOptions& options) {
    Booklet booklet;
    booklet.title = translate("Window", "gridAtelier puzzles");
    const PaperSize size = paperSize(options.paper);
    booklet.paperWidth = size.width;
    booklet.paperHeight = size.height;
    const std::vector<BookletPageLayout> layout = layOutBooklet(
        static_cast<int>(puzzles.size()), options.perPage, options.answers, options.paper);
    const std::string pageCount = std::to_string(layout.size());
    for (const BookletPageLayout& laid : layout) {
        PrintedPage page;
        for (const BookletPlace& place : laid.places) {
            const BookletPuzzle& puzzle = puzzles[static_cast<size_t>(place.puzzle)];
            page.pictures.push_back(PlacedPicture{place.answer
                                                      ? answerPicture(puzzle, place.puzzle + 1)
                                                      : puzzlePicture(puzzle, place.puzzle + 1),
                                                  place.area});
        }
        page.footer = filled(translate("Window", "Page %1 of %2"),
                             {std::to_string(booklet.pages.size() + 1), pageCount});
        page.footerArea = laid.footer;
        booklet.pages.push_back(std::move(page));
    }
    return booklet;
}

}  // namespace ga
