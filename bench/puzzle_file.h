// Puzzle files as the command-line tool reads them: one puzzle per line, 81
// characters ('1'..'9' a clue, '.' or '0' an empty cell), optionally followed
// by white space and a word that names the puzzle's group. Blank lines and
// lines starting with '#' are skipped.
#pragma once

#include <string>
#include <vector>

#include "core/puzzle_record.h"

namespace ga::bench {

struct LoadedPuzzle {
    PuzzleRecord record;  // the clues as clue cells, every other cell open and empty
    std::string text;     // the 81 characters as read
    std::string group;    // the word after the puzzle, empty when there is none
    int lineNumber = 0;
};

// Builds the record of an 81-character puzzle text; false when the text is not one.
bool recordFromText(const std::string& text, PuzzleRecord& record);

// Reads up to `limit` puzzles (every one when limit < 0) whose group is
// `onlyGroup` (any group when empty). False with a reason when the file cannot
// be read or holds a malformed line: a benchmark must not quietly run on less.
bool readPuzzleFile(const std::string& path, int limit, const std::string& onlyGroup,
                    std::vector<LoadedPuzzle>& puzzles, std::string& problem);

}  // namespace ga::bench
