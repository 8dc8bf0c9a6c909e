// Faults a player can run into: folders that cannot be written, a full disk,
// a save killed before its rename, and the program killed and started again.
// As root no permission bit stops a write, so a place that cannot be written
// is a folder path under a regular file, and a full disk is the file-size limit.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_window.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/save_question_dialog.h"

namespace ga::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using namespace std::chrono_literals;

// Runs `body` while files may grow to `limit` bytes. Killed: in a child that
// the write past the limit ends, as a crash between the write and the rename
// would. Otherwise here, the write failing with EFBIG as on a full disk.
void withFileLimit(rlim_t limit, bool killed, const std::function<void()>& body) {
    const pid_t child = killed ? fork() : -1;
    ASSERT_TRUE(child >= 0 || !killed);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    if (child <= 0) {
        const rlimit noCore{0, 0}, small{limit, saved.rlim_max};
        if (killed) setrlimit(RLIMIT_CORE, &noCore);
        void (*const handler)(int) = signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        body();
        if (killed) _exit(0);
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, handler);
        return;
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
}

Names entriesOf(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class Faults : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(menuItemCommands());
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) { window->onCommand(id); });
        startup.place.path = dir / "gridAtelier.par";
        std::ofstream(dir / "blocker") << "a file: no folder can be made under it";
    }
    void create() {
        window = std::make_unique<MainWindow>(desktop, startup);
        ASSERT_TRUE(window->onCreate());
    }
    void answer(int button, const std::string& path) {
        desktop.onDialog([button](FakeDialog& dialog) { dialog.click(button); });
        desktop.onFileDialog([path](const FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return true;
        });
    }
    Names boxes() const {
        Names shown;
        for (const auto& box : desktop.messageBoxes()) shown.push_back(box.title + ": " + box.text);
        return shown;
    }

    ScratchDir dir;
    FakeDesktop desktop;
    StartupSettings startup;
    std::unique_ptr<MainWindow> window;  // goes first: its worker uses the desktop
};

// Beside the executable, else the per-user folder; no place at all is told
// and the window is never shown.
TEST_F(Faults, TheUserFolderTakesOverAndOnlyNoPlaceAtAllIsTold) {
    const std::string bin = dir / "bin/", blockedBin = dir / "blocker/bin/";
    const std::string config = dir / "config", blockedConfig = dir / "blocker/config";
    fs::create_directory(bin);
    const struct {
        std::string executableFolder, configHome, path;
    } cases[] = {{bin, blockedConfig, bin + "gridAtelier.par"},
                 {blockedBin, config, config + "/gridAtelier/gridAtelier.par"},
                 {blockedBin, blockedConfig, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executableFolder + " | " + c.configHome);
        startup.place =
            chooseSettingsPlace(c.executableFolder, userSettingsFolder(c.configHome.c_str(), ""));
        startup.fileRead = readSettings(startup.place, startup.file);
        EXPECT_EQ(startup.place.path, c.path);
        FakeDesktop fresh;
        MainWindow started(fresh, startup);
        EXPECT_EQ(started.onCreate(), !c.path.empty());
        EXPECT_EQ(fresh.messageBoxes().size(), c.path.empty() ? 1u : 0u);
        EXPECT_EQ(fresh.control(kStatusBoxId).has_value(), !c.path.empty());
        EXPECT_TRUE(c.path.empty() || fs::file_size(c.path) == 696u);
    }
}

// A full disk: the save is told, the earlier file and the window stay as they
// were, and "Yes" to the save question on the way out keeps the window open.
TEST_F(Faults, AFullDiskKeepsTheEarlierFilesAndTheWindow) {
    create();
    const std::string kept = dir / "kept.ga", settings = readFile(startup.place.path);
    window->onCommand(levelCommand(0));
    answer(kSaveQuestionYes, kept);
    for (int save = 1; save >= 0; --save) {  // a modified puzzle, the earlier one saved
        window->onCommand(kCommandNewPuzzle);
        ASSERT_TRUE(desktop.deliverWorkerCommand(60s));
        if (save) window->onCommand(kCommandSavePuzzle);
    }
    const std::string earlier = readFile(kept);
    ASSERT_EQ(earlier.size(), 1352u);
    withFileLimit(100, false, [&] {
        const PuzzleRecord puzzle = window->state().puzzle;
        const std::string title = desktop.shownTitle(),
                          status = desktop.control(kStatusBoxId)->text;
        window->onCommand(kCommandSavePuzzle);
        window->onCommand(kCommandExit);
        EXPECT_EQ(boxes(), Names(2, "error: failed to save data to a file"));
        EXPECT_FALSE(window->closed());
        EXPECT_EQ(std::memcmp(&window->state().puzzle, &puzzle, sizeof puzzle), 0);
        EXPECT_EQ(desktop.shownTitle() + desktop.control(kStatusBoxId)->text, title + status);
    });
    EXPECT_EQ(readFile(kept), earlier);
    EXPECT_EQ(readFile(startup.place.path), settings);
    EXPECT_EQ(entriesOf(dir.path()), (Names{"blocker", "gridAtelier.par", "kept.ga"}));
}

// Killed writes leave the earlier files whole, and the next successful write
// in the folder removes the fresh files they left.
TEST_F(Faults, AWriteKilledBeforeItsRenameLeavesTheEarlierFilesToLoad) {
    const Grid answerGrid = randomAnswer(7);
    const PuzzleRecord earlier = puzzleWithAnswer(answerGrid, answerGrid);
    const std::string kept = dir / "kept.ga", par = startup.place.path;
    ASSERT_EQ(writePuzzleFile(PuzzleFileHeader{}, earlier, kept.c_str()), kPuzzleFileWritten);
    setDefaultSettings(startup.file.settings);
    ASSERT_TRUE(writeSettingsFile(par, startup.file));
    const std::string keptBytes = readFile(kept), parBytes = readFile(par);
    SettingsFile other = startup.file;
    other.settings.level = 6;
    withFileLimit(600, true, [&] { writePuzzleFile({}, puzzleFromText(""), kept.c_str()); });
    withFileLimit(300, true, [&] { writeSettingsFile(par, other); });
    EXPECT_EQ(readFile(kept), keptBytes);
    EXPECT_EQ(readFile(par), parBytes);
    EXPECT_EQ(entriesOf(dir.path()).size(), 5u) << "two fresh files left";

    ASSERT_TRUE(startup.fileRead = readSettings(startup.place, startup.file));
    create();
    answer(kDialogOkay, kept);
    window->onCommand(kCommandLoadPuzzle);
    EXPECT_EQ(window->state().puzzle.openFlags, earlier.openFlags);
    window->onCommand(kCommandSavePuzzle);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(entriesOf(dir.path()), (Names{"blocker", "gridAtelier.par", "kept.ga"}));
}

// The real program under the offscreen platform, killed once it is up and
// started again: it reads and writes back its settings byte for byte.
TEST(Restart, AKilledProgramStartsAgainOnItsIntactSettings) {
    ScratchDir dir;
    fs::create_directories(dir / "bin");
    fs::create_directory(dir / "run");
    fs::permissions(dir / "run", fs::perms::owner_all);
    const std::string program = dir / "bin/gridatelier", par = dir / "bin/gridAtelier.par";
    fs::copy_file(GRIDATELIER_PROGRAM, program);
    std::string first;
    for (int start = 0; start < 2; ++start) {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
            setenv("HOME", dir.path().c_str(), 1);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto inode = [&par] {
            struct stat status {};
            return ::stat(par.c_str(), &status) == 0 ? status.st_ino : 0;
        };
        const ino_t before = inode();
        for (int wait = 0; wait < 2000 && (inode() == before || wait < 100); ++wait)
            std::this_thread::sleep_for(10ms);
        int status = 0;
        EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "it did not keep running";
        ::kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        EXPECT_NE(inode(), before) << "start " << start << " wrote its settings file";
        SettingsFile file;
        EXPECT_TRUE(readSettings({par, ""}, file));
        EXPECT_EQ(readFile(par), start ? first : (first = readFile(par)));
    }
    EXPECT_EQ(entriesOf(dir / "bin"), (Names{"gridAtelier.par", "gridatelier"}));
}

}  // namespace
}  // namespace ga::testing
