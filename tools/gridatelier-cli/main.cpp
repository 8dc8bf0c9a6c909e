// gridatelier-cli: the puzzle engine on the command line.
#include <sched.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>

#include "core/random.h"
#include "tools/gridatelier-cli/book_command.h"
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

// More threads than this only wait for each other.
constexpr int kMostJobs = 256;

// One job per processor this process may run on.
int jobsForEveryCore() {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0)
        return CPU_COUNT(&allowed);
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
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
    int jobs = 1;
    app.add_option(
           "--jobs", jobs,
           "handle the input lines of candidates, solve --method pencil, explain and rate, or make "
           "puzzles to order (generate --level, --technique, --score) on "
           "N threads (0: one per core), output unchanged")
        ->check(CLI::Range(0, kMostJobs).description(""))
        ->type_name("N")
        ->capture_default_str();

    Session session;
    CommandList commands;
    addPuzzleCommands(app, session, commands);
    addRegionCommands(app, session, commands);
    addGenerateCommands(app, session, commands);
    addBookCommand(app, session, commands);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        return app.exit(success);
    } catch (const CLI::ParseError& error) {
        const Command* command = chosenCommand(commands);
        return reportUsageError(command ? *command->app : app, error.what());
    }

    const Command& command = *chosenCommand(commands);
    if (jobs != 1) {
        const std::string why = command.whyOneJob
                                    ? command.whyOneJob()
                                    : command.app->get_name() + " handles no input lines";
        if (!why.empty()) {
            return reportUsageError(*command.app, "--jobs " + std::to_string(jobs) + ": " + why +
                                                      ", so it runs as one job");
        }
        session.jobs = jobs > 0 ? jobs : jobsForEveryCore();
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
    return command.run();
}
