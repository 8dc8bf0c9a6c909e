// The puzzle file named by --in: any format the program reads, handed to the
// line loop as the lines it would read on standard input.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

// The option every command that reads puzzles takes: --in FILE.
void addInputOption(CLI::App* sub, Session& session);

// Reads the file at `path` and returns a descriptor to read puzzle lines
// from: for the command line's own lines (and the one-puzzle-per-line
// collection) the file's bytes as they are, for every other format one clue
// line per puzzle. On failure prints "gridatelier-cli: <path>: [line N: ]
// <what>" on standard error and returns -1. The caller closes the descriptor.
int openPuzzleInput(const std::string& path);

// Where a command reads its puzzles: the file named by --in (`path`), or
// standard input when none is. fd() is -1 when the file could not be read
// (reported as openPuzzleInput reports it); a file is closed with this.
class PuzzleInput {
  public:
    explicit PuzzleInput(const std::string& path);
    ~PuzzleInput();
    PuzzleInput(const PuzzleInput&) = delete;
    PuzzleInput& operator=(const PuzzleInput&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace ga::cli
