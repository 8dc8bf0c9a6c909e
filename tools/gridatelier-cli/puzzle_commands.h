// The commands that read puzzles from standard input and write one result
// line per puzzle (explain: its steps first): candidates, solve, explain, rate, check.
#pragma once

#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

void addPuzzleCommands(CLI::App& app, Session& session, CommandList& commands);

}  // namespace ga::cli
