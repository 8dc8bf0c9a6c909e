// book: puzzles several to a page, with their answers after them, as a PDF
// file. The puzzles are made to order or of a difficulty class, or read as
// solve reads them.
#pragma once

#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

void addBookCommand(CLI::App& app, Session& session, CommandList& commands);

}  // namespace ga::cli
