// What a command group hands to the program: its subcommands, each with the
// action that runs once the whole command line has been parsed and the
// random stream seeded. A new group (generation, recreation, ...) adds one
// add...Commands function in its own file and one call in main.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "tools/gridatelier-cli/terminal_progress.h"

namespace ga::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;    // bad input lines, a file that could not be written
constexpr int kExitUsage = 2;     // the command line itself is wrong
constexpr int kExitNotRated = 3;  // rate: a puzzle without exactly one answer

// What all commands share for one run of the program.
struct Session {
    ProgressMeter meter;                   // its bar is `progress` or nothing
    TerminalProgress* progress = nullptr;  // null unless standard error is a terminal
    int jobs = 1;                          // threads for the input lines (--jobs)
    std::string inputPath;                 // --in: read this file, not standard input
};

struct Command {
    CLI::App* app;             // the subcommand; parsed() tells whether it was chosen
    std::function<int()> run;  // returns the exit status
    // Why the command runs as one job ("check draws on ..."), asked once the
    // command line is parsed; empty when its input lines may be handled by
    // several at once (--jobs). A command without it always runs as one job.
    std::function<std::string()> whyOneJob = nullptr;
};

// Why a command whose results come from the random stream runs as one job.
constexpr const char* kDrawsOnRandomStream = "draws on the one random stream in a fixed order";
using CommandList = std::vector<Command>;

// Prints "gridatelier-cli: <message>" and the usage of `app` on standard
// error; returns kExitUsage.
int reportUsageError(const CLI::App& app, const std::string& message);

}  // namespace ga::cli
