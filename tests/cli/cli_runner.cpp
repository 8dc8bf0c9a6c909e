#include "tests/cli/cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace ga::test {

CliRun runCli(const std::vector<std::string>& args, const std::string& input) {
    ScratchDir dir;
    const std::string files[3] = {dir / "stdin", dir / "stdout", dir / "stderr"};
    std::ofstream(files[0], std::ios::binary) << input;

    std::vector<std::string> words = {GRIDATELIER_CLI_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, files[0].c_str(), O_RDONLY, 0);
    for (int fd : {1, 2}) {
        posix_spawn_file_actions_addopen(&actions, fd, files[fd].c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) throw std::runtime_error("cannot start " + words[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return {exitStatus, readFile(files[1]), readFile(files[2])};
}

std::vector<std::string> wordsOf(const std::string& commandLine) {
    std::vector<std::string> words;
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace ga::test
