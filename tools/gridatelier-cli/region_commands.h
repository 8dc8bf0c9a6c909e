// The region search: records the Regions of a fresh random answer in a CSV file.
#pragma once

#include "tools/gridatelier-cli/command.h"

namespace ga::cli {

void addRegionCommands(CLI::App& app, Session& session, CommandList& commands);

}  // namespace ga::cli
