// The main window on the fake desktop: set-up, menu patterns after the
// events that set them, jobs, typing, colours, the completion check and close.
// This thread is the window thread; the worker's notices are queued by the fake
// and taken with deliverWorkerCommand.
#include "app/main_window.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "generator/serial.h"
#include "platform/fake_desktop.h"

namespace {

namespace fs = std::filesystem;
using ga::CellNotification;
using ga::FakeDesktop;
using ga::MainWindow;

constexpr std::chrono::seconds kNoticeWait{60};

bool operator==(const ga::TextColour& a, const ga::TextColour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "ga-window-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        startup.place.path = folder + "gridAtelier.par";
        desktop.addMenuItems(ga::menuItemCommands());
        desktop.setClientWidth(300);
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) { window->onCommand(id); });
        desktop.onColourRequest([this](int id) { return window->onCellColour(id); });
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(folder);
    }

    bool create() {
        window = std::make_unique<MainWindow>(desktop, startup);
        return window->onCreate();
    }
    void deliverNotice() { ASSERT_TRUE(desktop.deliverWorkerCommand(kNoticeWait)); }
    void newPuzzle() {
        window->onCommand(ga::levelCommand(0));
        window->onCommand(ga::kCommandNewPuzzle);
        deliverNotice();
    }
    void type(int cell, const std::string& text) {
        window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
        desktop.setText(ga::cellId(cell), text);
        window->onCellNotification(ga::cellId(cell), CellNotification::kLostFocus);
    }
    int firstOpenCell() const {
        for (int cell = 0; cell < ga::kCells; ++cell) {
            if (puzzle().openFlags[cell] != 0) return cell;
        }
        return -1;
    }

    const ga::PuzzleRecord& puzzle() const { return window->state().puzzle; }
    const ga::Settings& settings() const { return window->state().settings; }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }
    bool checked(int command) const { return desktop.menuItem(command)->checked; }
    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }
    std::set<int> enabledItems() const {
        std::set<int> items;
        for (int command : ga::menuItemCommands()) {
            if (enabled(command)) items.insert(command);
        }
        return items;
    }
    ga::TextColour paintedColour(int cell) {
        desktop.repaint(ga::cellId(cell));
        desktop.paintPendingCells();
        return *desktop.control(ga::cellId(cell))->paintedColour;
    }

    FakeDesktop desktop;
    ga::StartupSettings startup;
    std::unique_ptr<MainWindow> window;
    std::string folder;
};

const std::set<int> kPatternZeroItems = {1000, 1030, 1110, 1111, 1113, 1124, 1125, 1126,
                                         1210, 1211, 1212, 1213, 1214, 1215, 1216};

TEST_F(MainWindowTest, StartsWelcomingWithTheMenuOfNoPuzzle) {
    ASSERT_TRUE(create());
    EXPECT_EQ(enabledItems(), kPatternZeroItems);
    std::set<int> checkedItems;
    for (int command : ga::menuItemCommands()) {
        if (checked(command)) checkedItems.insert(command);
    }
    EXPECT_EQ(checkedItems, (std::set<int>{1115, 1214}));  // visible mistakes, Advanced
    EXPECT_EQ(
        desktop.logStartingWith("setText 1500"),
        (std::vector<std::string>{"setText 1500 \"you're going to try puzzles as Advanced\"",
                                  "setText 1500 \"express visible mistakes as red color font\"",
                                  "setText 1500 \"welcome to the Grid Atelier!\""}));
    EXPECT_EQ(settings().menuMode, 0);
    EXPECT_EQ(settings().modified, 0);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        const auto control = desktop.control(ga::cellId(cell));
        ASSERT_EQ(control->kind, ga::ControlKind::kOpenCell);
        ASSERT_EQ(control->text, "");
    }
    EXPECT_EQ(desktop.control(1501)->rect.x, 20);
    EXPECT_EQ(desktop.control(1504)->rect.x, 106);
    EXPECT_EQ(desktop.control(ga::kStatusBoxId)->rect.y, 296);
    EXPECT_TRUE(desktop.progressBarState().exists);
    EXPECT_FALSE(desktop.progressBarState().visible);
    EXPECT_EQ(fs::file_size(startup.place.path), 696u);
    EXPECT_TRUE(window->jobs().workerRunning());
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenStopTheSetUp) {
    startup.place.path = "";  // no folder could be written
    EXPECT_FALSE(create());
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].text, "failed to open .par file");
    EXPECT_TRUE(desktop.logStartingWith("createControl").empty());
    EXPECT_FALSE(window->jobs().workerRunning());
}

TEST_F(MainWindowTest, AMissingProgressBarIsToldAndTheSetUpGoesOn) {
    desktop.failProgressBarCreation();
    ASSERT_TRUE(create());
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].text, "failed to create progress bar");
    EXPECT_EQ(desktop.messageBoxes()[0].title, "alert");
    EXPECT_EQ(statusBox(), "welcome to the Grid Atelier!");
}

TEST_F(MainWindowTest, NewPuzzleRunsAsAJobAndCloseWaitsForIt) {
    ASSERT_TRUE(create());
    window->onCommand(ga::levelCommand(0));
    window->onCommand(ga::kCommandNewPuzzle);
    EXPECT_TRUE(window->busy());
    EXPECT_EQ(enabledItems(), std::set<int>{ga::kCommandAbout});
    EXPECT_EQ(statusBox(), "you're going to try puzzles as Practice");

    window->onCloseRequest();
    window->onCommand(ga::kCommandExit);
    window->onCommand(ga::kCommandCancel);
    window->onCommand(ga::kCommandShowCandidates);
    EXPECT_FALSE(desktop.windowDestroyed());
    EXPECT_EQ(statusBox(), "you're going to try puzzles as Practice");

    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(desktop.shownTitle().rfind("gridAtelier -- Practice, sn : ", 0), 0u);
    EXPECT_EQ(statusBox().rfind("new puzzle as Practice class,\r\nserial number is ", 0), 0u);
    EXPECT_EQ(settings().menuMode, 1);
    EXPECT_EQ(settings().modified, 1);
    std::set<int> playing = {1000, 1030, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117,
                             1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126};
    for (int level = 1210; level <= 1216; ++level) playing.insert(level);
    EXPECT_EQ(enabledItems(), playing);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        const auto control = desktop.control(ga::cellId(cell));
        const bool clue = puzzle().openFlags[cell] == 0;
        ASSERT_EQ(control->kind, clue ? ga::ControlKind::kClueCell : ga::ControlKind::kOpenCell);
        ASSERT_EQ(control->text, clue ? std::to_string(puzzle().answerGrid[cell]) : "");
    }

    desktop.setWindowRect({100, 50, 420, 450});
    desktop.onDialog([](ga::FakeDialog& question) { question.click(1); });  // "No"
    window->onCloseRequest();
    EXPECT_TRUE(desktop.windowDestroyed());
    EXPECT_TRUE(window->closed());
    EXPECT_FALSE(window->jobs().workerRunning());
    EXPECT_EQ(window->settingsFile().settings.windowRect.left, 100);
    EXPECT_EQ(fs::file_size(startup.place.path), 696u);
}

// Exit asks one question: whether to exit, or, when a modified puzzle would be
// lost, whether to save it. Cancel and the close box ask only the latter.
TEST_F(MainWindowTest, LeavingAsksTheQuestionThatIsDue) {
    constexpr int kCloseBox = 0;
    struct Case {
        int command;
        bool modified;
        bool neverConfirmSave;
        std::vector<int> dialogs;
    };
    const Case cases[] = {
        {ga::kCommandExit, false, false, {107}}, {ga::kCommandExit, true, false, {3000}},
        {ga::kCommandExit, true, true, {107}},   {ga::kCommandExit, false, true, {107}},
        {ga::kCommandCancel, false, false, {}},  {ga::kCommandCancel, true, false, {3000}},
        {ga::kCommandCancel, true, true, {}},    {kCloseBox, false, false, {}},
        {kCloseBox, true, false, {3000}},        {kCloseBox, true, true, {}},
    };
    for (const Case& c : cases) {
        for (bool declined : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.command << " modified " << c.modified << " never "
                                            << c.neverConfirmSave << " declined " << declined);
            FakeDesktop fresh;
            fresh.setClientWidth(300);
            fresh.onDialog([declined](ga::FakeDialog& dialog) {
                // "cancel" of the exit question and "Cancel" of the save
                // question are both 2; going on is "okay" and "No", both 1.
                dialog.click(declined ? ga::kDialogCancel : ga::kDialogOkay);
            });
            ga::StartupSettings settings = startup;
            ga::setDefaultSettings(settings.file.settings);
            settings.file.settings.neverConfirmSave = c.neverConfirmSave ? 1 : 0;
            settings.fileRead = true;
            MainWindow leaving(fresh, settings);
            ASSERT_TRUE(leaving.onCreate());
            if (c.modified) {
                leaving.onCellNotification(ga::cellId(0), CellNotification::kGainedFocus);
                fresh.setText(ga::cellId(0), "3");
                leaving.onCellNotification(ga::cellId(0), CellNotification::kLostFocus);
            }
            c.command == kCloseBox ? leaving.onCloseRequest() : leaving.onCommand(c.command);
            EXPECT_EQ(fresh.dialogsRun(), c.dialogs);
            EXPECT_EQ(leaving.closed(), c.dialogs.empty() || !declined);
            EXPECT_EQ(fresh.windowDestroyed(), leaving.closed());
        }
    }
}

TEST_F(MainWindowTest, AboutAnswersEvenWhileAJobRuns) {
    ASSERT_TRUE(create());
    window->onCommand(ga::levelCommand(0));
    window->onCommand(ga::kCommandNewPuzzle);
    window->onCommand(ga::kCommandAbout);
    deliverNotice();
    window->onCommand(ga::kCommandAbout);
    EXPECT_EQ(desktop.dialogsRun(), (std::vector<int>{106, 106}));
}

TEST_F(MainWindowTest, DefaultSettingsReachTheRunningProgramOnlyWhenReflected) {
    for (bool reflect : {false, true}) {
        SCOPED_TRACE(reflect);
        ASSERT_TRUE(create());
        desktop.onDialog([reflect](ga::FakeDialog& dialog) {
            dialog.choose(2011, 2);  // Absolute Mistakes
            dialog.choose(2012, 6);  // World Class
            dialog.click(2021);      // never show confirmation for save
            if (!reflect) dialog.click(2100);
            dialog.click(ga::kDialogOkay);
        });
        window->onCommand(ga::kCommandDefaultSettings);
        const ga::Settings& defaults = window->settingsFile().settings;
        EXPECT_EQ(defaults.expressMode, 2);
        EXPECT_EQ(defaults.level, 6);
        EXPECT_EQ(defaults.neverConfirmSave, 1);
        // No answer is known, so absolute mistakes become visible ones.
        EXPECT_EQ(settings().expressMode, 1);
        EXPECT_EQ(checked(1216), reflect);
        EXPECT_EQ(checked(1214), !reflect);
        EXPECT_EQ(settings().neverConfirmSave, reflect ? 1 : 0);
        window.reset();
        desktop.onDialog(nullptr);
    }
}

TEST_F(MainWindowTest, RecreatesThePuzzleOfASerialNumberUnderTheCurrentLevel) {
    ASSERT_TRUE(create());
    window->onCommand(ga::levelCommand(6));
    desktop.onDialog([](ga::FakeDialog& dialog) {
        const char* parts[] = {"75BCD15", "0x20000008", "3FE", "0", "0"};
        for (int part = 0; part < 5; ++part) dialog.type(5011 + part, parts[part]);
        dialog.click(5100);  // save as default
        dialog.click(ga::kDialogOkay);
    });
    window->onCommand(ga::kCommandRecreatePuzzle);

    ga::PuzzleRecord expected{};
    const uint32_t serial[] = {0x75BCD15, 0x20000008, 0x3FE, 0, 0};
    std::copy(serial, serial + 5, expected.serial);
    ASSERT_EQ(ga::recreatePuzzle(expected), 0);
    EXPECT_TRUE(
        std::equal(expected.answerGrid, expected.answerGrid + ga::kCells, puzzle().answerGrid));
    EXPECT_TRUE(
        std::equal(expected.openFlags, expected.openFlags + ga::kCells, puzzle().openFlags));
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- World Class, sn : 75BCD15-20000008");
    EXPECT_EQ(statusBox(),
              "new puzzle as World Class class,\r\nserial number is 75BCD15-20000008-3FE-0-0");
    EXPECT_EQ(window->state().header.puzzleClass, 6);
    EXPECT_EQ(settings().menuMode, 1);
    EXPECT_EQ(settings().modified, 1);
    EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));
    EXPECT_TRUE(std::equal(serial, serial + 5, window->settingsFile().settings.recreateSerial));
    EXPECT_EQ(settings().saveSerialDefaults, 0);
}

TEST_F(MainWindowTest, RecordsRegionsAsAJobAndKeepsOnlyTheNumbersAsDefaults) {
    ASSERT_TRUE(create());
    const std::string csv = folder + "regions.csv";
    desktop.onFileDialog([&csv](const ga::FileDialogRequest&, std::string& path) {
        path = csv;
        return true;
    });
    desktop.onDialog([](ga::FakeDialog& dialog) {
        dialog.click(4001);
        dialog.type(4021, "100");
        dialog.type(4022, "9");
        dialog.click(4100);
        dialog.click(ga::kDialogOkay);
    });
    const std::string status = statusBox();
    window->onCommand(ga::kCommandRecordRegions);
    EXPECT_TRUE(window->busy());
    EXPECT_EQ(enabledItems(), std::set<int>{ga::kCommandAbout});
    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(enabledItems(), kPatternZeroItems);
    EXPECT_EQ(statusBox(), status);
    EXPECT_GT(fs::file_size(csv), 0u);
    EXPECT_EQ(std::string(settings().csvPath), csv);
    const ga::Settings& defaults = window->settingsFile().settings;
    EXPECT_EQ(defaults.searchCount, 100);
    EXPECT_EQ(defaults.maxRegionCells, 9);
    EXPECT_EQ(defaults.csvPath[0], '\0');

    // A maximum no Region can have never reaches the search.
    desktop.onDialog([](ga::FakeDialog& dialog) {
        dialog.type(4022, "82");
        dialog.click(ga::kDialogOkay);
    });
    window->onCommand(ga::kCommandRecordRegions);
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(desktop.messageBoxes().back().title, "alert");
}

TEST_F(MainWindowTest, MenuPatternsFollowTheCommands) {
    ASSERT_TRUE(create());
    newPuzzle();

    window->onCommand(ga::kCommandOpenAnswer);
    EXPECT_EQ(settings().menuMode, 8);
    EXPECT_EQ(statusBox(), "the answer was opened");
    // The solving and express items wait for the board to be erased.
    const int solving[] = {1114, 1115, 1116, 1118, 1119, 1120, 1121, 1122, 1123};
    for (int command : solving) EXPECT_FALSE(enabled(command)) << command;
    EXPECT_TRUE(enabled(1117));
    EXPECT_TRUE(enabled(1110));  // left as pattern 1 set it
    const int open = firstOpenCell();
    EXPECT_EQ(desktop.control(ga::cellId(open))->text, std::to_string(puzzle().answerGrid[open]));

    window->onCommand(ga::kCommandEraseSolving);
    EXPECT_EQ(settings().menuMode, 4);
    EXPECT_EQ(statusBox(), "reset the solving");
    EXPECT_EQ(puzzle().valueGrid[open], 0);
    EXPECT_EQ(desktop.control(ga::cellId(open))->text, "");
    for (int command : solving) EXPECT_TRUE(enabled(command)) << command;

    window->onCommand(ga::kCommandShowCandidates);
    EXPECT_EQ(settings().statusCode, ga::kStatusCandidatesShown);
    EXPECT_NE(statusBox().find("candidates"), std::string::npos);
}

TEST_F(MainWindowTest, AbsoluteMistakesNeedAKnownAnswer) {
    ga::setDefaultSettings(startup.file.settings);
    startup.file.settings.expressMode = 2;
    startup.fileRead = true;
    ASSERT_TRUE(create());
    EXPECT_EQ(settings().expressMode, 1);  // no answer at start
    EXPECT_TRUE(checked(1115));
    window->onCommand(ga::kCommandAbsoluteMistake);
    EXPECT_EQ(settings().expressMode, 1);
    EXPECT_EQ(statusBox(), "express visible mistakes as red color font");
    newPuzzle();
    window->onCommand(ga::kCommandAbsoluteMistake);
    EXPECT_EQ(settings().expressMode, 2);
    EXPECT_TRUE(checked(1116));
    EXPECT_FALSE(checked(1115));
}

TEST_F(MainWindowTest, MistakesTurnRedByTheExpressMode) {
    ASSERT_TRUE(create());
    newPuzzle();
    // An open cell and a clue of its row whose value is wrong there.
    int cell = -1, clueValue = 0;
    for (int c = 0; c < ga::kCells && cell < 0; ++c) {
        if (puzzle().openFlags[c] == 0) continue;
        for (int k = 0; k < 9; ++k) {
            const int other = (c / 9) * 9 + k;
            if (puzzle().openFlags[other] == 0) {
                cell = c;
                clueValue = puzzle().answerGrid[other];
                break;
            }
        }
    }
    ASSERT_GE(cell, 0);
    const std::string wrong = std::to_string(clueValue);
    const std::string right = std::to_string(puzzle().answerGrid[cell]);
    struct Case {
        int command;
        const std::string& text;
        ga::TextColour colour;
    };
    const Case cases[] = {
        {ga::kCommandVisibleMistake, wrong, ga::kMistakeRed},
        {ga::kCommandVisibleMistake, right, ga::kValueBlue},
        {ga::kCommandAbsoluteMistake, wrong, ga::kMistakeRed},
        {ga::kCommandAbsoluteMistake, right, ga::kValueBlue},
        {ga::kCommandNotExpressMistake, wrong, ga::kValueBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " " + c.text);
        window->onCommand(c.command);
        type(cell, c.text);
        EXPECT_TRUE(paintedColour(cell) == c.colour);
    }
}

TEST_F(MainWindowTest, AFinishedBoardIsCongratulatedOrToldItsMistakes) {
    ASSERT_TRUE(create());
    newPuzzle();
    int last = -1;
    for (int cell = 0; cell < ga::kCells; ++cell) {
        if (puzzle().openFlags[cell] == 0) continue;
        type(cell, std::to_string(puzzle().answerGrid[cell]));
        last = cell;
    }
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "Congraz! complete solving");

    type(last, std::to_string(puzzle().answerGrid[last] % 9 + 1));
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "finished although there are some mistakes");

    // A solve leaves "solving..." until the painted cells bring the verdict.
    window->onCommand(ga::kCommandBacktracking);
    deliverNotice();
    EXPECT_EQ(statusBox(), "\r\nsolving...");
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "Congraz! complete solving");
}

TEST_F(MainWindowTest, CellEditsWaitForTheRunningJob) {
    ASSERT_TRUE(create());
    newPuzzle();
    const int cell = firstOpenCell();
    window->onCommand(ga::kCommandCheckSolvable);
    ASSERT_TRUE(window->busy());
    type(cell, "7");
    EXPECT_EQ(puzzle().valueGrid[cell], 0);
    desktop.paintPendingCells();
    EXPECT_FALSE(enabled(ga::kCommandSavePuzzle)) << "no completion check while busy";

    deliverNotice();
    EXPECT_EQ(statusBox(), "solvable structure.");
    EXPECT_EQ(puzzle().valueGrid[cell], 7);
    EXPECT_EQ(desktop.control(ga::cellId(cell))->font, ga::FontChoice::kBig);
}

}  // namespace
