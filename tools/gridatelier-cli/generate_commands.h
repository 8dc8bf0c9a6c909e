// The commands that make puzzles rather than read them: generate (new puzzles
// of a difficulty class, optionally saved as a puzzle file) and recreate (a
// puzzle rebuilt from its serial number).
#pragma once

#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

void addGenerateCommands(CLI::App& app, Session& session, CommandList& commands);

}  // namespace ga::cli
