// Runs the built gridatelier-cli as a user would: arguments, a text on
// standard input, and standard output and error collected apart.
#pragma once

#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace ga::test {

using testing::readFile;
using testing::ScratchDir;

struct CliRun {
    int exitStatus;  // the exit code, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

CliRun runCli(const std::vector<std::string>& args, const std::string& input = "");

// The words of a command line written with single spaces.
std::vector<std::string> wordsOf(const std::string& commandLine);

}  // namespace ga::test
