// A booklet: several puzzles to a page, each with its number, level and
// score, then their answers in small grids. The puzzles come made to order,
// of a difficulty class, or given; this turns them into the pages the
// desktop prints (the places from booklet_layout.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ladder/techniques.h"
#include "core/puzzle_record.h"
#include "generator/made_to_order.h"
#include "platform/picture.h"
#include "ui/booklet_layout.h"

namespace ga {

// The most puzzles one booklet prints from the window.
constexpr int kMostBookletPuzzles = 500;

struct BookletPuzzle {
    uint8_t clues[kCells] = {};  // 0 at an open cell
    uint8_t answer[kCells] = {};
    int score = 0;  // the ladder's rating
    Level level = Level::kEasy;
};

struct BookletOptions {
    int perPage = kDefaultPerPage;  // one of kPerPageChoices
    Paper paper = Paper::kA4;
    bool answers = true;
};

BookletPuzzle bookletPuzzle(const OrderedPuzzle& made);

// Why a given puzzle cannot go into a booklet: without a single answer there
// is none to print, nor a rating.
enum class GivenPuzzleProblem { kNone, kNoAnswer, kSeveralAnswers, kUndecided };
// The puzzle of `record`'s clues (clue cells closed, their values in
// answerGrid, as a puzzle line is read) with its answer found and rated.
// The record's grids are used as scratch.
GivenPuzzleProblem givenBookletPuzzle(PuzzleRecord& record, BookletPuzzle& puzzle);
// A puzzle the generator made for a difficulty class, its answer in the
// record, rated as a given one is.
BookletPuzzle generatedBookletPuzzle(PuzzleRecord& record);
// "the puzzle has several answers", for a problem other than kNone.
const char* givenPuzzleProblemText(GivenPuzzleProblem problem);

// The pages of the booklet: "Puzzle 3: Hard, score 612" above each puzzle,
// "Answer 3" above each answer (its clues bold, the rest as values), and
// "Page 2 of 9" at every page's foot.
Booklet makeBooklet(const std::vector<BookletPuzzle>& puzzles, const BookletOptions& options);

}  // namespace ga
