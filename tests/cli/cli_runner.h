// Runs the built gridatelier-cli as a user would: arguments, a text on
// standard input, and standard output and error collected apart.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ga::test {

struct CliRun {
    int exitStatus;  // the exit code, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// A fresh directory for one test, removed with everything in it at the end.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

CliRun runCli(const std::vector<std::string>& args, const std::string& input = "");

std::string readFile(const std::filesystem::path& path);

}  // namespace ga::test
