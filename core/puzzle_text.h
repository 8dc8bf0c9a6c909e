// Puzzles as plain text, the way players pass them around: the clue line
// (81 cells, '.' or '0' for an open one), nine lines of nine, or a grid
// drawing with spaces, '|', '-' and '+' between the cells and '.', '0', '*'
// or '_' for an open cell.
#pragma once

#include <string>
#include <string_view>

#include "core/puzzle_record.h"

namespace ga {

enum class PuzzleTextStatus {
    kPuzzle,        // the record now holds the puzzle
    kNoCells,       // nothing but white space and lines between cells
    kBadCharacter,  // a character that is neither a cell nor a line between cells
    kCellCount,     // not 81 cells in all
    kRowLength,     // cells on several lines, but not nine on one of them
};

struct PuzzleTextVerdict {
    PuzzleTextStatus status = PuzzleTextStatus::kPuzzle;
    int line = 0;                 // 1-based line of a bad character or a wrong row
    int count = 0;                // cells in all (kCellCount) or on that line (kRowLength)
    unsigned char character = 0;  // the bad character
};

// Reads the clues. The cells stand either on one line, 81 of them, or nine
// to a line on nine lines; lines holding no cell (borders, blank lines) do
// not count. Only for kPuzzle is the record written: every digit 1-9 becomes
// a clue (openFlags 0, answerGrid the digit), every other cell is open and
// empty, answerKnown 0.
PuzzleTextVerdict readPuzzleText(std::string_view text, PuzzleRecord& record);

// A pencil-mark grid, as players post a position: every cell a run of
// digits, one digit for a value, two or more for the candidates left, with
// white space and the drawn lines of readPuzzleText ('|', '-', '+', and '.',
// ':', '*' or '=' in borders) between the cells; nine cells to a line, or all
// 81 on one line.
enum class PencilMarkStatus {
    kPuzzle,        // the record now holds the position
    kNotMarks,      // no cell holds two digits or more: not a pencil-mark grid
    kBadCharacter,  // a character that is neither a digit nor a line between cells
    kCellCount,     // not 81 cells in all
    kRowLength,     // cells on several lines, but not nine on one of them
    kBadCell,       // a cell repeats a digit or lists none
};

struct PencilMarkVerdict {
    PencilMarkStatus status = PencilMarkStatus::kPuzzle;
    int line = 0;                 // 1-based line of a bad character, a wrong row or cell
    int count = 0;                // cells in all (kCellCount) or on that line (kRowLength)
    unsigned char character = 0;  // the bad character
};

// Reads a pencil-mark grid. Only for kPuzzle is the record written: every
// one-digit cell becomes a clue (openFlags 0, answerGrid the digit), every
// other cell is open and empty with its digits as the candidate list
// (candidateNumbers, ascending), answerKnown 0.
PencilMarkVerdict readPencilMarks(std::string_view text, PuzzleRecord& record);

// A character as a message shows it: 'x', or "byte 0xNN" for control bytes
// and non-ASCII, which would not survive a terminal.
std::string quotedCharacter(unsigned char c);

// The clue line: for each cell the clue's digit, or '.' for an open cell.
std::string clueLine(const PuzzleRecord& record);

}  // namespace ga
