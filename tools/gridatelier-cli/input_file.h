// The puzzle file named by --in: any format the program reads, handed to the
// line loop as the lines it would read on standard input.
#pragma once

#include <string>

namespace ga::cli {

// Reads the file at `path` and returns a descriptor to read puzzle lines
// from: for the command line's own lines (and the one-puzzle-per-line
// collection) the file's bytes as they are, for every other format one clue
// line per puzzle. On failure prints "gridatelier-cli: <path>: [line N: ]
// <what>" on standard error and returns -1. The caller closes the descriptor.
int openPuzzleInput(const std::string& path);

}  // namespace ga::cli
