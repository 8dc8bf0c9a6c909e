// Puzzles given to a booklet (gridatelier-cli book reading its input): any
// clues, their answer found and rated, then the pages laid out. A puzzle
// taken has an answer that keeps its clues and breaks no rule; every puzzle
// and answer lands once on a page, inside the sheet. The first byte picks the
// puzzles to a page and the paper; then 81 bytes a puzzle, a cell's clue the
// byte's value modulo 10 (0 for an open cell).
#include <cstring>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "ui/booklet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    if (size < 1 + kCells) return 0;
    BookletOptions options;
    options.perPage = kPerPageChoices[data[0] % 4];
    options.paper = data[0] & 4 ? Paper::kLetter : Paper::kA4;
    options.answers = (data[0] & 8) == 0;
    std::vector<BookletPuzzle> taken;
    for (size_t at = 1; at + kCells <= size && taken.size() < 8; at += kCells) {
        PuzzleRecord record;
        resetRecord(record);
        for (int cell = 0; cell < kCells; ++cell) {
            const int value = data[at + cell] % 10;
            record.answerGrid[cell] = value;
            record.openFlags[cell] = value == 0;
        }
        BookletPuzzle puzzle;
        if (givenBookletPuzzle(record, puzzle) != GivenPuzzleProblem::kNone) continue;
        Grid answer;
        for (int cell = 0; cell < kCells; ++cell) {
            answer[cell] = puzzle.answer[cell];
            FUZZ_CHECK(puzzle.clues[cell] == data[at + cell] % 10);
            FUZZ_CHECK(puzzle.clues[cell] == 0 || puzzle.clues[cell] == puzzle.answer[cell]);
        }
        FUZZ_CHECK(isSolved(answer));
        taken.push_back(puzzle);
    }
    const Booklet booklet = makeBooklet(taken, options);
    const PaperSize sheet = paperSize(options.paper);
    size_t pictures = 0;
    for (const PrintedPage& page : booklet.pages) {
        for (const PlacedPicture& placed : page.pictures) {
            const PaperRect& r = placed.area;
            FUZZ_CHECK(r.left > 0 && r.top > 0 && r.left + r.width < sheet.width &&
                       r.top + r.height < sheet.height);
            ++pictures;
        }
    }
    FUZZ_CHECK(pictures == taken.size() * (options.answers ? 2 : 1));
    return 0;
}
