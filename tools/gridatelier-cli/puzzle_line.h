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
#include "core/puzzle_text.h"

namespace ga::cli {

enum class LineStatus {
    kPuzzle,        // the record now holds the puzzle
    kSkipped,       // blank or a comment: not an error
    kTooShort,      // fewer than 81 cell characters before the end or white space
    kBadCharacter,  // a cell character is not 1-9, '.' or '0'
    kNoSeparator,   // the 81 cells are followed by text without white space
    kBadMarks,      // a pencil-mark grid that is not one (marks says why)
};

struct LineVerdict {
    LineVerdict(LineStatus status_ = LineStatus::kSkipped, int position_ = 0,
                unsigned char character_ = 0)
        : status(status_), position(position_), character(character_) {}
    LineStatus status;
    int position = 0;             // 0-based index of the offending character, or the cell count
    unsigned char character = 0;  // the offending character
    PencilMarkVerdict marks;      // for kBadMarks
};

// Parses one line (without its '\n'), or a pencil-mark grid: on the line, or
// over several joined by '\n' (PuzzleTextReader). Only for kPuzzle is the record written:
// every digit 1-9 becomes a clue (openFlags 0, answerGrid the digit), every
// other cell is open and empty, answerKnown 0.
LineVerdict parsePuzzleLine(std::string_view line, PuzzleRecord& record);

// A line of a pencil-mark grid drawn over several lines: only digits, white
// space and the drawn lines between cells, with a '|' or a run of three '-'.
bool isPencilMarkGridLine(std::string_view line);
// The runs of digits on a line: the pencil-mark cells it holds.
int pencilMarkCells(std::string_view line);

// A short English reason for a verdict other than kPuzzle and kSkipped.
std::string describeVerdict(const LineVerdict& verdict);

// "line N: <reason>" on `errors`, as every command reports a malformed line
// ("<input>: line N: <reason>" for input named by --in); `results` is flushed
// first, so that where both go to one place the report follows the results
// of the lines before it.
void reportMalformedLine(std::FILE* results, std::FILE* errors, long lineNumber,
                         const LineVerdict& verdict, const std::string& inputName = {});

}  // namespace ga::cli
