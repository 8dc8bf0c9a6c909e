// The loop over puzzle lines shared by every command that reads puzzles.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "core/progress.h"
#include "core/puzzle_record.h"
#include "tools/gridatelier-cli/output_line.h"

namespace ga::cli {

struct InputSummary {
    long puzzles = 0;
    long malformedLines = 0;
    bool readFailed = false;
    bool stopped = false;  // the handler asked to stop
};

// Gets each puzzle in a record reused for the whole input, with its 1-based
// line number; returns false to stop reading.
using PuzzleHandler = std::function<bool(PuzzleRecord& record, long lineNumber)>;

// Reads lines from `fd` to the end and hands every puzzle line to `handle`,
// which writes its results to `results`. Blank and comment lines are
// skipped; each malformed line is reported on `errors` as "line N: <reason>"
// and skipped ("<inputName>: line N: <reason>" when a name is given).
InputSummary forEachPuzzle(int fd, std::FILE* results, std::FILE* errors,
                           const PuzzleHandler& handle, const std::string& inputName = {});

// Works on one puzzle and puts together what it prints, without the last
// '\n' (the lines before the last end with OutputLine::endLine). It must not
// touch anything but its arguments, so that several can run at once.
using PuzzleAction =
    std::function<void(PuzzleRecord& record, ProgressMeter& meter, OutputLine& out)>;

}  // namespace ga::cli
