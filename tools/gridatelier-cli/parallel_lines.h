// Puzzle lines handled by several threads at once and printed as one thread
// prints them: every result, and every report of a malformed line, in input
// order, each as soon as everything before it is out.
//
// The reader (the calling thread) hands out batches of lines, the jobs work
// on them, and a writer prints finished batches in order. The reader stays
// at most a few batches per job ahead of the writer, so memory does not grow
// with the input; a batch goes out early when no further line has arrived
// yet, so that input typed or piped line by line is answered line by line.
#pragma once

#include <cstdio>

#include "tools/gridatelier-cli/puzzle_input.h"

namespace ga::cli {

// The same as forEachPuzzle with a handler that runs `act` and writes its
// output to `out`, on `jobs` (2 or more) threads. A write that fails stops
// the reading (summary.stopped).
InputSummary forEachPuzzleInParallel(int fd, int jobs, const PuzzleAction& act, std::FILE* out,
                                     std::FILE* errors, const std::string& inputName = {});

}  // namespace ga::cli
