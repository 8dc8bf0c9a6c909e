// gridatelier-cli: the puzzle engine on the command line.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>

#include "core/random.h"
#include "tools/gridatelier-cli/command.h"
#include "tools/gridatelier-cli/generate_commands.h"
#include "tools/gridatelier-cli/puzzle_commands.h"
#include "tools/gridatelier-cli/region_commands.h"
#include "tools/gridatelier-cli/terminal_progress.h"

namespace {

// The chosen subcommand, or null when the parse stopped before one.
const ga::cli::Command* chosenCommand(const ga::cli::CommandList& commands) {
    for (const auto& command : commands) {
        if (command.app->parsed()) return &command;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ga::cli;

    CLI::App app{
        "gridAtelier's puzzle engine on the command line.\n"
        "candidates, solve, explain, rate and check read puzzles on standard input, one per line:\n"
        "81 characters, 1-9 for a clue, '.' or '0' for an empty cell; text after white space is\n"
        "ignored, blank lines and lines starting with '#' are skipped. One result line per\n"
        "puzzle (explain: its steps first), in input order.\n"
        "generate and recreate make puzzles and read no input.",
        "gridatelier-cli"};
    // Options of the whole program may also follow the subcommand.
    app.fallthrough();
    app.require_subcommand(1);
    uint32_t seed = 0;
    CLI::Option* seedOption = app.add_option(
        "--seed", seed, "seed the random stream with this number instead of the clock");

    Session session;
    CommandList commands;
    addPuzzleCommands(app, session, commands);
    addRegionCommands(app, session, commands);
    addGenerateCommands(app, session, commands);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success);
    } catch (const CLI::ParseError& error) {
        const Command* command = chosenCommand(commands);
        return reportUsageError(command ? *command->app : app, error.what());
    }

    if (seedOption->count() > 0) {
        ga::seedRandomWith(seed);
    } else {
        ga::seedRandom();
    }

    TerminalProgress progress(stderr);
    if (isatty(STDERR_FILENO)) {
        session.progress = &progress;
        session.meter.bar = &progress;
    }
    return chosenCommand(commands)->run();
}
