#include "tools/gridatelier-cli/command.h"

#include <cstdio>

namespace ga::cli {

int reportUsageError(const CLI::App& app, const std::string& message) {
    // A subcommand's usage names the program before it.
    const std::string usage =
        app.get_parent() ? app.help(app.get_parent()->get_name()) : app.help();
    std::fprintf(stderr, "gridatelier-cli: %s\n\n%s", message.c_str(), usage.c_str());
    return kExitUsage;
}

}  // namespace ga::cli
