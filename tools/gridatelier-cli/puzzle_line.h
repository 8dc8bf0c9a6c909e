// One line of puzzle input: 81 cell characters, then nothing or white space
// and any text. A line that is blank or starts with '#' holds no puzzle.
//
// The parser touches nothing but its arguments, so it can be fed anything
// (a fuzzer included) and tells why a line is not a puzzle.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/puzzle_record.h"

namespace ga::cli {

enum class LineStatus {
    kPuzzle,        // the record now holds the puzzle
    kSkipped,       // blank or a comment: not an error
    kTooShort,      // fewer than 81 cell characters before the end or white space
    kBadCharacter,  // a cell character is not 1-9, '.' or '0'
    kNoSeparator,   // the 81 cells are followed by text without white space
};

struct LineVerdict {
    LineStatus status;
    int position = 0;             // 0-based index of the offending character, or the cell count
    unsigned char character = 0;  // the offending character
};

// Parses one line (without its '\n'). Only for kPuzzle is the record written:
// every digit 1-9 becomes a clue (openFlags 0, answerGrid the digit), every
// other cell is open and empty, answerKnown 0.
LineVerdict parsePuzzleLine(std::string_view line, PuzzleRecord& record);

// A short English reason for a verdict other than kPuzzle and kSkipped.
std::string describeVerdict(const LineVerdict& verdict);

// "line N: <reason>" on `errors`, as every command reports a malformed line;
// `results` is flushed first, so that where both go to one place the report
// follows the results of the lines before it.
void reportMalformedLine(std::FILE* results, std::FILE* errors, long lineNumber,
                         const LineVerdict& verdict);

}  // namespace ga::cli
