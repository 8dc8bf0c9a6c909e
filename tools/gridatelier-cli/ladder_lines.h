// What rate and explain --ladder print for one puzzle: the human-style
// ladder walked from the clues, once the puzzle is known to have exactly one
// answer (counted as a paste counts, within a bound).
#pragma once

#include "core/puzzle_record.h"
#include "tools/gridatelier-cli/output_line.h"

namespace ga::cli {

// Puts the rating of the puzzle into the line ("612 Hard XY-Wing 33 single, ...")
// and returns true; or a line starting "not rated:" saying why not (no answer,
// several, too hard to count) and returns false.
bool rateLine(PuzzleRecord& record, OutputLine& line);

// Prints the ladder's steps one per line, "<n>: <step>", then puts
// "= <result> <grid>" into the line: 0 and the answer when the ladder reached
// it, else 1 and the grid where it stopped.
void ladderExplainLines(PuzzleRecord& record, OutputLine& line);

// The same steps as JSON, one object per line, then {"result": .., "grid": ..}
// (README.md, "Steps as JSON").
void ladderJsonLines(PuzzleRecord& record, OutputLine& line);

}  // namespace ga::cli
