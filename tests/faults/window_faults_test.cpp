// Faults seen through the window on the fake desktop: settings places that
// cannot be written, a full disk, a write killed before its rename, a CSV file
// that cannot be made. As root no permission bit stops a write, so a place
// that cannot be written is a folder path under a regular file, and a full
// disk is the file-size limit.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/command_table.h"
#include "core/regions.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/record_regions_dialog.h"
#include "ui/save_question_dialog.h"

namespace ga::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kSettingsAlert = "alert: failed to open .par file";
const std::string kSaveFailed = "error: failed to save data to a file";

// Runs `body` while no file may grow beyond `bytes`. SIGXFSZ is ignored, so
// a write past the limit fails with EFBIG instead of ending the process.
template <typename Body>
void onFullDisk(rlim_t bytes, Body body) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{bytes, saved.rlim_max};
    void (*const handler)(int) = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    body();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, handler);
}

// Runs `write` in a child whose files may grow to `limit` bytes, SIGXFSZ left
// to end it: it dies in the middle of writing the fresh file, as a crash
// between the write and the rename would leave things, but exactly.
void killedWhileWriting(rlim_t limit, const std::function<void()>& write) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0}, small{limit, limit};
        setrlimit(RLIMIT_CORE, &noCore);
        signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &small);
        write();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
}

Names entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return {names.begin(), names.end()};
}

Names boxesOf(const FakeDesktop& desktop) {
    Names shown;
    for (const auto& box : desktop.messageBoxes()) shown.push_back(box.title + ": " + box.text);
    return shown;
}

class WindowFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(menuItemCommands());
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) { window->onCommand(id); });
        startup.place.path = dir / "gridAtelier.par";
        std::ofstream(dir / "blocker") << "a file: no folder can be made under it";
        if (const char* home = std::getenv("XDG_CONFIG_HOME")) savedConfigHome = home;
    }
    void TearDown() override {
        window.reset();
        savedConfigHome ? setenv("XDG_CONFIG_HOME", savedConfigHome->c_str(), 1)
                        : unsetenv("XDG_CONFIG_HOME");
    }
    // As main() chooses: beside the executable, else the per-user folder.
    void choosePlace(const std::string& executableFolder, const std::string& configHome) {
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        startup.place = chooseSettingsPlace(executableFolder, userSettingsFolder());
        startup.fileRead = readSettings(startup.place, startup.file);
    }
    bool create() {
        window = std::make_unique<MainWindow>(desktop, startup);
        return window->onCreate();
    }
    void deliverNotice() { ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(60))); }
    void answer(int button, const std::string& path = "") {
        desktop.onDialog([button](FakeDialog& dialog) { dialog.click(button); });
        desktop.onFileDialog([path](const FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return !path.empty();
        });
    }
    void newPuzzle() {
        window->onCommand(levelCommand(0));
        window->onCommand(kCommandNewPuzzle);
        deliverNotice();
    }
    std::set<int> enabledItems() const {
        std::set<int> items;
        for (int id : menuItemCommands())
            if (desktop.menuItem(id)->enabled) items.insert(id);
        return items;
    }
    Names boxes() const { return boxesOf(desktop); }
    std::string statusBox() const { return desktop.control(kStatusBoxId)->text; }
    // What the player sees of the window but the board.
    auto view() const {
        const Settings& settings = window->state().settings;
        return std::make_tuple(settings.menuMode, settings.modified, enabledItems(),
                               desktop.shownTitle(), statusBox());
    }

    ScratchDir dir;
    std::optional<std::string> savedConfigHome;
    FakeDesktop desktop;
    StartupSettings startup;
    std::unique_ptr<MainWindow> window;  // goes first: its worker uses the desktop
};

TEST_F(WindowFaults, TheUserFolderTakesOverAndOnlyNoPlaceAtAllIsTold) {
    fs::create_directory(dir / "bin");
    const std::string bin = dir / "bin/", blockedBin = dir / "blocker/bin/";
    const std::string config = dir / "config", blockedConfig = dir / "blocker/config";
    const struct {
        std::string executableFolder, configHome, path;
    } cases[] = {
        {bin, config, bin + "gridAtelier.par"},
        {bin, blockedConfig, bin + "gridAtelier.par"},
        {blockedBin, config, config + "/gridAtelier/gridAtelier.par"},
        {blockedBin, blockedConfig, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executableFolder + " | " + c.configHome);
        fs::remove_all(bin + "gridAtelier.par");
        fs::remove_all(config);
        choosePlace(c.executableFolder, c.configHome);
        EXPECT_EQ(startup.place.path, c.path);
        FakeDesktop fresh;
        MainWindow started(fresh, startup);
        EXPECT_EQ(started.onCreate(), !c.path.empty());
        EXPECT_EQ(started.jobs().workerRunning(), !c.path.empty());
        EXPECT_EQ(boxesOf(fresh), c.path.empty() ? Names{kSettingsAlert} : Names{});
        if (c.path.empty()) {
            EXPECT_FALSE(fresh.control(kStatusBoxId)) << "the window is never shown";
        } else {
            EXPECT_EQ(fs::file_size(c.path), 696u);
            EXPECT_EQ(fs::exists(config), c.executableFolder == blockedBin) << "made when needed";
        }
    }
}

TEST_F(WindowFaults, AFolderRemovedWhileRunningIsToldAtCloseAndMadeAgainAtTheNextStart) {
    choosePlace(dir / "blocker/bin/", dir / "config");
    ASSERT_TRUE(create());
    fs::remove_all(dir / "config");
    answer(kDialogOkay);
    window->onCommand(kCommandExit);
    EXPECT_EQ(boxes(), Names{kSettingsAlert});
    EXPECT_TRUE(window->closed() && desktop.windowDestroyed()) << "the close goes on";

    choosePlace(dir / "blocker/bin/", dir / "config");
    FakeDesktop next;
    EXPECT_TRUE(MainWindow(next, startup).onCreate());
    EXPECT_TRUE(next.messageBoxes().empty());
    EXPECT_EQ(fs::file_size(startup.place.path), 696u);
}

TEST_F(WindowFaults, AFullDiskKeepsTheEarlierFilesAndTheWindowAsItWas) {
    ASSERT_TRUE(create());
    const std::string kept = dir / "kept.ga";
    newPuzzle();
    answer(kSaveQuestionYes, kept);
    window->onCommand(kCommandSavePuzzle);
    const std::string earlier = readFile(kept), settings = readFile(startup.place.path);
    ASSERT_EQ(earlier.size(), 1352u);
    newPuzzle();
    const PuzzleRecord puzzle = window->state().puzzle;
    const auto before = view();
    onFullDisk(100, [&] {
        window->onCommand(kCommandSavePuzzle);
        EXPECT_EQ(boxes(), Names{kSaveFailed});
        EXPECT_EQ(view(), before);
        EXPECT_EQ(std::memcmp(&window->state().puzzle, &puzzle, sizeof puzzle), 0);
        // "Yes" to the save question on the way out: the save fails, so the
        // window stays with the puzzle rather than losing it.
        window->onCommand(kCommandExit);
        EXPECT_EQ(boxes(), (Names{kSaveFailed, kSaveFailed}));
        EXPECT_FALSE(window->closed());
        EXPECT_EQ(view(), before);
    });
    EXPECT_EQ(readFile(startup.place.path), settings);
    answer(kSaveQuestionNo, kept);
    window->onCommand(kCommandExit);
    EXPECT_TRUE(window->closed());
    EXPECT_EQ(readFile(kept), earlier);
    EXPECT_EQ(entriesOf(dir.path()), (Names{"blocker", "gridAtelier.par", "kept.ga"}));
}

TEST_F(WindowFaults, AWriteKilledBeforeItsRenameLeavesTheEarlierFilesToLoad) {
    Grid clues{}, solution = randomAnswer(7);
    for (int cell = 0; cell < kCells; cell += 3) clues[cell] = solution[cell];
    const PuzzleRecord earlier = puzzleWithAnswer(clues, solution);
    const std::string kept = dir / "kept.ga", par = startup.place.path;
    ASSERT_EQ(writePuzzleFile(PuzzleFileHeader{}, earlier, kept.c_str()), kPuzzleFileWritten);
    setDefaultSettings(startup.file.settings);
    ASSERT_TRUE(writeSettingsFile(par, startup.file));
    const std::string keptBytes = readFile(kept), parBytes = readFile(par);

    SettingsFile other = startup.file;
    other.settings.level = 6;
    for (int round = 0; round < 2; ++round) {
        killedWhileWriting(600, [&] { writePuzzleFile({}, puzzleFromClues(clues), kept.c_str()); });
        killedWhileWriting(300, [&] { writeSettingsFile(par, other); });
    }
    EXPECT_EQ(readFile(kept), keptBytes);
    EXPECT_EQ(readFile(par), parBytes);
    // Every killed write leaves its fresh file, cut where the child died,
    // until the next write that succeeds in the folder removes it.
    std::size_t leftovers = 0;
    for (const std::string& name : entriesOf(dir.path())) {
        if (name.rfind(".gridatelier-", 0) != 0) continue;
        ++leftovers;
        EXPECT_TRUE(fs::file_size(dir / name) == 600 || fs::file_size(dir / name) == 300) << name;
    }
    EXPECT_LE(leftovers, 4u);
    std::printf("fresh files left by 4 killed writes: %zu\n", leftovers);

    // The next start reads the settings and loads the puzzle as if nothing happened.
    ASSERT_TRUE(startup.fileRead = readSettings(startup.place, startup.file));
    ASSERT_TRUE(create());
    answer(kDialogOkay, kept);
    window->onCommand(kCommandLoadPuzzle);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(statusBox().rfind("loaded kept.ga,", 0), 0u) << statusBox();
    const PuzzleRecord& loaded = window->state().puzzle;
    EXPECT_EQ(std::memcmp(loaded.answerGrid, earlier.answerGrid, sizeof loaded.answerGrid), 0);
    EXPECT_EQ(std::memcmp(loaded.openFlags, earlier.openFlags, sizeof loaded.openFlags), 0);
    window->onCommand(kCommandSavePuzzle);
    EXPECT_TRUE(boxes().empty());
    EXPECT_GT(leftovers, 0u);
    for (const std::string& name : entriesOf(dir.path())) {
        EXPECT_NE(name.rfind(".gridatelier-", 0), 0u) << name << " outlived its writer";
    }
}

TEST_F(WindowFaults, ACsvFileThatCannotBeMadeIsToldAndTheMenuComesBack) {
    const std::string missing = dir / "no-such-folder/regions.csv";
    ProgressMeter meter;
    EXPECT_EQ(recordRegions({missing.c_str(), 2, 5, 16}, meter), kCsvOpenFailed);

    ASSERT_TRUE(create());
    std::string csv = missing;
    desktop.onFileDialog([&csv](const FileDialogRequest&, std::string& chosen) {
        chosen = csv;
        return true;
    });
    desktop.onDialog([](FakeDialog& dialog) {
        dialog.click(kCsvFileButtonId);
        dialog.type(kSearchCountFieldId, "5");
        dialog.click(kDialogOkay);
    });
    // With no puzzle, with one, and onto a full disk.
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        if (round == 1) newPuzzle();
        if (round == 2) csv = dir / "regions.csv";
        const auto before = view();
        const auto record = [&] {
            window->onCommand(kCommandRecordRegions);
            EXPECT_EQ(enabledItems(), std::set<int>{kCommandAbout}) << "busy";
            deliverNotice();
        };
        round < 2 ? record() : onFullDisk(64, record);
        EXPECT_FALSE(window->busy());
        EXPECT_EQ(boxes(), Names(round + 1, "error: failed to open or create a csv file"));
        EXPECT_EQ(view(), before);
    }
    std::printf("a CSV cut by a full disk keeps %ju of its bytes\n",
                static_cast<uintmax_t>(fs::file_size(dir / "regions.csv")));
}

}  // namespace
}  // namespace ga::testing
