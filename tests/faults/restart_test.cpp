// The real program killed and started again. The offscreen platform takes no
// input from outside, so no job can be started in it: it is killed once it is
// up, after writing its settings file at start.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/scratch_dir.h"
#include "ui/settings_file.h"

namespace ga::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Its own runtime folder (so no copy the user runs holds the lock), config
// folder and home; output into the folder's "log".
pid_t start(const std::string& program, const ScratchDir& dir) {
    const pid_t child = fork();
    if (child != 0) return child;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    setenv("HOME", dir.path().c_str(), 1);
    if (!freopen((dir / "log").c_str(), "a", stdout) || dup2(fileno(stdout), 2) < 0) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

bool running(pid_t pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

// True when it was still running.
bool kill9(pid_t pid) {
    int status = 0;
    return ::kill(pid, SIGKILL) == 0 && waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGKILL;
}

// The file the settings reader takes; its inode tells a rewrite.
ino_t readableSettings(const std::string& path) {
    struct stat status {};
    SettingsFile file;
    EXPECT_TRUE(readSettings({path, ""}, file) && ::stat(path.c_str(), &status) == 0);
    EXPECT_EQ(status.st_size, 696);
    return status.st_ino;
}

TEST(Restart, AKilledProgramStartsAgainOnItsIntactSettings) {
    // A copy in a folder of its own, so the settings land beside it and not
    // beside the build's program.
    ScratchDir dir;
    fs::create_directory(dir / "bin");
    fs::create_directory(dir / "run");
    fs::permissions(dir / "run", fs::perms::owner_all);
    const std::string program = dir / "bin/gridatelier", par = dir / "bin/gridAtelier.par";
    std::error_code notLinked;
    fs::create_hard_link(GRIDATELIER_PROGRAM, program, notLinked);
    if (notLinked) fs::copy_file(GRIDATELIER_PROGRAM, program);

    pid_t pid = start(program, dir);
    ASSERT_GT(pid, 0);
    for (const auto started = Clock::now(); !fs::exists(par) && Clock::now() - started < 20s;) {
        if (!running(pid)) break;
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(fs::exists(par)) << readFile(dir / "log");
    EXPECT_TRUE(kill9(pid)) << readFile(dir / "log");
    const ino_t firstInode = readableSettings(par);
    const std::string first = readFile(par);

    // Up for a second at least, and past writing its settings file.
    pid = start(program, dir);
    ASSERT_GT(pid, 0);
    const auto started = Clock::now();
    while (running(pid) && (Clock::now() - started < 1s ||
                            (readableSettings(par) == firstInode && Clock::now() - started < 20s)))
        std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(kill9(pid)) << "it did not keep running\n" << readFile(dir / "log");
    EXPECT_NE(readableSettings(par), firstInode) << "the second start wrote the file again";
    EXPECT_EQ(readFile(par), first) << "what was read is written back byte for byte";
    EXPECT_FALSE(fs::exists(dir / "config")) << "the folder beside the program can be written";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "bin"), fs::directory_iterator()), 2)
        << "the program and its settings, no fresh file left beside them";
}

}  // namespace
}  // namespace ga::testing
