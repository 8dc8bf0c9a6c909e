// The commands that make puzzles rather than read them: generate (new puzzles
// of a difficulty class, optionally saved as a puzzle file) and recreate (a
// puzzle rebuilt from its serial number).
#pragma once

#include <functional>

#include "core/puzzle_record.h"
#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

// Puzzles 1..count of a difficulty class, drawn from the one random stream
// into `record`, each handed to `take` (false: no more), the terminal's
// progress labelled "puzzle N:". False, with the refusal reported, when the
// generator refused the class.
bool makeOfClass(Session& session, int difficultyClass, int count, PuzzleRecord& record,
                 const std::function<bool()>& take);

void addGenerateCommands(CLI::App& app, Session& session, CommandList& commands);

}  // namespace ga::cli
