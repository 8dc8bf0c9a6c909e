// The window on the fake desktop, this thread standing in for the window
// thread, which takes the worker's queued notices with deliverWorkerCommand:
// the job protocol driving a real worker thread, then the main window's
// set-up, commands and their menus, the completion check and close.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/jobs.h"
#include "app/ladder_commands.h"
#include "app/main_window.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "core/random.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/default_settings_dialog.h"
#include "ui/record_regions_dialog.h"
#include "ui/recreate_dialog.h"
#include "ui/save_question_dialog.h"

namespace {

using ga::CellNotification;
using ga::FakeDesktop;
using ga::JobControl;
using ga::MainWindow;
using ga::PuzzleRecord;
using Item = ga::FakeDesktop::MenuItemState;

constexpr std::chrono::seconds kNoticeWait{60};

// One answer; several answers (pencil marks get stuck); no answer although no
// clue repeats.
constexpr const char* kSingle =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
constexpr const char* kSeveral =
    "3...5.9.1.6..9.7.3....23.45.......5.53.81427.7..9...14.87...5..9....216..5217..3.";
constexpr const char* kNone =
    "7...6.15...5.41627.267538494126.7....73984.1.58..127.4.5712.43626..3...1.3.4.6.72";

class JobProtocol : public ::testing::Test {
  protected:
    JobProtocol() : jobs(desktop) {
        // An unseeded stream draws only zeros; a fixed seed keeps the
        // randomized checks' verdicts the same on every run.
        ga::seedRandomWith(7);
        desktop.setMenu(ga::mainMenu());
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) {
            notices.push_back(id);
            jobs.handleNotice(desktop, state, id);
        });
        desktop.createControl(ga::kStatusBoxId, ga::ControlKind::kStatusBox, {});
        jobs.startWorker();
    }

    void show(const char* text) {
        state.puzzle = ga::testing::puzzleFromText(text);
        ga::loadClues(state.puzzle);  // as a loaded puzzle holds it
        ga::createBoard(desktop, state.puzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuLoaded);
    }

    int lastNotice() {
        EXPECT_TRUE(desktop.deliverWorkerCommand(kNoticeWait));
        return notices.empty() ? 0 : notices.back();
    }

    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }

    FakeDesktop desktop;
    ga::WindowState state;
    JobControl jobs;
    std::vector<int> notices;
};

TEST_F(JobProtocol, EveryResultReachesTheStatusBox) {
    // The verdicts as the player reads them; a solve's success the board tells.
    const struct {
        const char* puzzle;
        int command;
        bool checkBeforeSolve;
        int busyStatus, notice;
        const char* shown;
    } cases[] = {
        {kSingle, 1120, false, 32, 1120, "solvable structure."},
        {kNone, 1120, false, 32, 1120, "unsolvable structure.\r\nthis puzzle is unsolvable."},
        {kSingle, 1121, false, 32, 1121, "single answer."},
        {kSeveral, 1121, false, 32, 1121, "multiple answers.\r\nthis puzzle has multiple answers."},
        {kNone, 1121, false, 32, 1121, "unsolvable structure.\r\nthis puzzle is unsolvable."},
        {kSingle, 1122, false, 13, 1122, "\r\nsolving..."},
        {kSeveral, 1122, false, 13, 1122,
         "could not solve the puzzle...\r\ndue to the pencil marks\r\nplz try the backtracking "
         "method."},
        {kNone, 1123, false, 13, 1123, "could not solve the puzzle...\r\nplease try again."},
        {kNone, 1122, true, 13, 1120, "unsolvable structure.\r\nthis puzzle is unsolvable."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " " + c.puzzle);
        show(c.puzzle);
        const PuzzleRecord before = state.puzzle;
        state.settings.checkBeforeSolve = c.checkBeforeSolve ? 1 : 0;
        ga::setStatus(desktop, state, ga::kStatusWelcome);

        ASSERT_TRUE(jobs.startJob(desktop, state, c.command));
        EXPECT_TRUE(jobs.busy() && jobs.jobSignalled());
        EXPECT_EQ(statusBox(), ga::statusText(c.busyStatus, {}));
        EXPECT_EQ(lastNotice(), c.notice);
        EXPECT_FALSE(jobs.busy() || jobs.jobSignalled());
        EXPECT_EQ(statusBox(), c.shown);
        // Only a solve that succeeds fills the board, in big digits.
        const bool solved = std::string(c.shown) == "\r\nsolving...";
        EXPECT_EQ(ga::isSolved(state.puzzle.valueGrid), solved);
        for (int cell = 0; cell < ga::kCells; ++cell) {
            const auto shown = desktop.control(ga::cellId(cell));
            if (!solved) {
                ASSERT_EQ(state.puzzle.valueGrid[cell], before.valueGrid[cell]);
            } else if (before.openFlags[cell] != 0) {
                ASSERT_EQ(shown->text, std::to_string(state.puzzle.valueGrid[cell]));
                ASSERT_EQ(shown->font, ga::FontChoice::kBig);
            }
        }
    }
}

TEST_F(JobProtocol, TheBoardOnlyChangesWhenTheNoticeIsHandled) {
    show(kSingle);
    state.settings.level = 0;
    const PuzzleRecord before = state.puzzle;
    ASSERT_TRUE(jobs.startJob(desktop, state, ga::kCommandNewPuzzle));
    // The worker has made the puzzle and waits in its send; the board's record
    // is still the old one.
    while (desktop.logStartingWith("sendCommandFromWorker").empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(std::memcmp(&before, &state.puzzle, sizeof before), 0);

    EXPECT_EQ(lastNotice(), ga::kCommandNewPuzzle);
    EXPECT_EQ(std::memcmp(&jobs.record().newPuzzle, &state.puzzle, sizeof before), 0);
    EXPECT_EQ(state.header.puzzleClass, 0);
}

// After any job the menu is what it was before the job started; the checks'
// and the region search's notices change nothing of it. Every menu mode a job
// can start from, reached as the program reaches it.
TEST_F(JobProtocol, AJobGivesBackTheMenuItFound) {
    using namespace ga;
    const struct {
        std::vector<int> modes;  // the patterns applied, the last one current
        int handBuildStage;
        int command;
    } cases[] = {
        {{kMenuNoPuzzle}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuPlaying}, 0, kCommandCheckSolvable},
        {{kMenuNoPuzzle, kMenuLoaded}, 0, kCommandPencilMarks},
        {{kMenuNoPuzzle, kMenuLoaded, kMenuSaved}, 0, kCommandCheckMultiple},
        {{kMenuNoPuzzle, kMenuPlaying, kMenuAnswerOpened}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuPlaying, kMenuAnswerOpened, kMenuSaved}, 0, kCommandRecordRegions},
        {{kMenuNoPuzzle, kMenuHandBuildClues}, 1, kCommandCheckSolvable},
        {{kMenuNoPuzzle, kMenuHandBuildClues, kMenuHandBuildAnswer}, 2, kCommandBacktracking},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.modes.back() << " after "
                                          << c.modes.size() - 1 << " others, job " << c.command);
        show(kSingle);
        state.handBuildStage = c.handBuildStage;
        for (int mode : c.modes) enterMenuMode(desktop, state, mode);
        const std::set<int> before = desktop.menuItems(&Item::enabled);
        ASSERT_TRUE(before.count(c.command)) << "the job's item is enabled";
        ASSERT_TRUE(jobs.startJob(desktop, state, c.command));
        EXPECT_EQ(desktop.menuItems(&Item::enabled), std::set<int>{kCommandAbout});
        lastNotice();
        EXPECT_EQ(desktop.menuItems(&Item::enabled), before);
    }
}

TEST_F(JobProtocol, RefusesWhatItCannotStart) {
    show(kSingle);
    EXPECT_FALSE(jobs.startJob(desktop, state, ga::kCommandShowCandidates));  // no job
    EXPECT_EQ(jobs.handleNotice(desktop, state, ga::kCommandCheckSolvable),
              JobControl::NoticeOutcome::kNotANotice);

    ASSERT_TRUE(jobs.startJob(desktop, state, ga::kCommandCheckMultiple));
    EXPECT_FALSE(jobs.startJob(desktop, state, ga::kCommandCheckSolvable));
    EXPECT_EQ(lastNotice(), ga::kCommandCheckMultiple);
    EXPECT_EQ(notices.size(), 1u);
}

// Apply Hint writes what a step leaves: a typed list loses the digits, a cell
// without one gets its whole list first (r1c3: 5, 7 and 8), a cell left with
// one candidate takes it as its value (r1c4: 4, 5 and 7).
TEST_F(JobProtocol, ApplyHintWritesTheListsAStepLeaves) {
    show(kSingle);
    state.puzzle.candidateNumbers[1] = 4567;
    ga::showCell(desktop, state.puzzle, 1);
    ga::Hint& hint = state.ladder.hint;
    hint.kind = ga::HintKind::kStep;
    hint.step.technique = ga::Technique::kPointing;
    hint.step.eliminate(1, 0b11000);  // 4 and 5
    hint.step.eliminate(2, 0b10000);
    hint.step.eliminate(3, 0b11000);
    state.ladder.board = ga::seenBoard(desktop, state).puzzle;
    state.ladder.holdsHint = true;
    ga::applyHint(desktop, state, jobs);
    EXPECT_FALSE(jobs.busy());
    std::string cells;
    for (int cell : {1, 2, 3})
        cells += desktop.control(ga::cellId(cell))->text + "," +
                 std::to_string(state.puzzle.valueGrid[cell]) + " ";
    EXPECT_EQ(cells, "67,0 78,0 7,7 ");
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startup.place.path = dir / "gridAtelier.par";
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) { window->onCommand(id); });
        desktop.onColourRequest([this](int id) { return window->onCellColour(id); });
    }
    bool create() {
        window = std::make_unique<MainWindow>(desktop, startup);
        return window->onCreate();
    }
    void deliverNotice() { ASSERT_TRUE(desktop.deliverWorkerCommand(kNoticeWait)); }
    void newPuzzle() {
        window->onCommand(ga::levelCommand(0));
        window->onCommand(ga::kCommandNewPuzzle);
    }
    void type(int cell, const std::string& text) {
        window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
        desktop.setText(ga::cellId(cell), text);
        window->onCellNotification(ga::cellId(cell), CellNotification::kLostFocus);
    }

    void handBuildWithoutAnswer(const std::string& clues) {
        window->onCommand(ga::kCommandHandBuildPuzzle);
        for (int cell = 0; cell < ga::kCells; ++cell)
            if (clues[cell] != '.') type(cell, std::string(1, clues[cell]));
        window->onCommand(ga::kButtonRegister);
        window->onCommand(ga::kButtonWithoutAnswer);
    }

    const ga::PuzzleRecord& puzzle() const { return window->state().puzzle; }
    const ga::Settings& settings() const { return window->state().settings; }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }
    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }
    std::string cellText(int cell) const { return desktop.control(ga::cellId(cell))->text; }
    int firstOpenCell(int cell = 0) const {
        while (puzzle().openFlags[cell] == 0) ++cell;
        return cell;
    }

    ga::testing::ScratchDir dir;
    FakeDesktop desktop;
    ga::StartupSettings startup;
    std::unique_ptr<MainWindow> window;
};

const std::set<int> kNoPuzzleItems = {1000, 1030, 1110, 1111, 1113, 1124, 1125, 1126,
                                      1143, 1210, 1211, 1212, 1213, 1214, 1215, 1216};

TEST_F(MainWindowTest, StartsWelcomingWithTheMenuOfNoPuzzle) {
    ASSERT_TRUE(create());
    EXPECT_EQ(desktop.menuItems(&Item::enabled), kNoPuzzleItems);
    EXPECT_EQ(desktop.menuItems(&Item::checked),
              (std::set<int>{1115, 1214}));  // visible mistakes, Advanced
    EXPECT_EQ(
        desktop.logStartingWith("setText 1500"),
        (std::vector<std::string>{"setText 1500 \"you're going to try puzzles as Advanced\"",
                                  "setText 1500 \"express visible mistakes as red color font\"",
                                  "setText 1500 \"welcome to the Grid Atelier!\""}));
    EXPECT_EQ(settings().menuMode, 0);
    EXPECT_EQ(std::filesystem::file_size(startup.place.path), 696u);
    EXPECT_TRUE(window->jobs().workerRunning());
}

TEST_F(MainWindowTest, NewPuzzleRunsAsAJobOnlyAboutAnswersAndCloseWaits) {
    ASSERT_TRUE(create());
    newPuzzle();
    EXPECT_TRUE(window->busy());
    window->onCloseRequest();
    for (int refused : {ga::kCommandExit, ga::kCommandCancel, ga::kCommandShowCandidates,
                        ga::kCommandHandBuildPuzzle, ga::kButtonRegister})
        window->onCommand(refused);
    window->onCommand(ga::kCommandAbout);
    EXPECT_EQ(desktop.dialogsRun(), std::vector<int>{106});
    EXPECT_FALSE(desktop.windowDestroyed());
    EXPECT_EQ(statusBox(), "you're going to try puzzles as Practice");

    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(desktop.shownTitle().rfind("gridAtelier -- Practice, sn : ", 0), 0u);
    EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));

    desktop.setWindowRect({100, 50, 420, 450});
    desktop.onDialog([](ga::FakeDialog& question) { question.click(1); });  // "No"
    window->onCloseRequest();
    EXPECT_TRUE(desktop.windowDestroyed());
    EXPECT_FALSE(window->jobs().workerRunning());
    EXPECT_EQ(window->settingsFile().settings.windowRect.left, 100);
}

// Exit asks one question: whether to exit, or, when a modified puzzle would be
// lost, whether to save it. Cancel and the close box ask only the latter.
TEST_F(MainWindowTest, LeavingAsksTheQuestionThatIsDue) {
    constexpr int kCloseBox = 0;
    // clang-format off
    const struct { int command; bool modified, neverConfirmSave; std::vector<int> dialogs; }
    cases[] = {
        {ga::kCommandExit, false, false, {107}},   {ga::kCommandExit, true, false, {3000}},
        {ga::kCommandExit, true, true, {107}},     {ga::kCommandCancel, false, false, {}},
        {ga::kCommandCancel, true, false, {3000}}, {ga::kCommandCancel, true, true, {}},
        {kCloseBox, false, false, {}},             {kCloseBox, true, false, {3000}},
        {kCloseBox, true, true, {}}};
    // clang-format on
    for (const auto& c : cases) {
        for (bool declined : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.command << " modified " << c.modified << " never "
                                            << c.neverConfirmSave << " declined " << declined);
            FakeDesktop fresh;
            // "cancel" of the exit question and "Cancel" of the save question are
            // both 2; going on is "okay" and "No", both 1.
            fresh.onDialog([declined](ga::FakeDialog& dialog) { dialog.click(declined ? 2 : 1); });
            ga::StartupSettings settings = startup;
            ga::setDefaultSettings(settings.file.settings);
            settings.file.settings.neverConfirmSave = c.neverConfirmSave ? 1 : 0;
            settings.fileRead = true;
            MainWindow leaving(fresh, settings);
            ASSERT_TRUE(leaving.onCreate());
            leaving.onCellNotification(ga::cellId(0), CellNotification::kGainedFocus);
            fresh.setText(ga::cellId(0), c.modified ? "3" : "");
            leaving.onCellNotification(ga::cellId(0), CellNotification::kLostFocus);
            c.command == kCloseBox ? leaving.onCloseRequest() : leaving.onCommand(c.command);
            EXPECT_EQ(fresh.dialogsRun(), c.dialogs);
            EXPECT_EQ(leaving.closed(), c.dialogs.empty() || !declined);
            EXPECT_EQ(fresh.windowDestroyed(), leaving.closed());
        }
    }
}

// A puzzle built by hand without its answer, solved: the completion check
// adopts the board as the answer and opens both items that need one at once.
TEST_F(MainWindowTest, AnAdoptedAnswerOpensOpenAnswerAndAbsoluteMistakeTogether) {
    const std::string clues = kSingle;
    ASSERT_TRUE(create());
    handBuildWithoutAnswer(kSingle);
    ASSERT_EQ(settings().menuMode, 1);
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));
    EXPECT_FALSE(enabled(ga::kCommandAbsoluteMistake));

    window->onCommand(ga::kCommandBacktracking);
    deliverNotice();
    EXPECT_EQ(statusBox(), "\r\nsolving...");
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "Congraz! complete solving");
    EXPECT_EQ(puzzle().answerKnown, 1);
    EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));
    EXPECT_TRUE(enabled(ga::kCommandAbsoluteMistake));

    // Absolute mistakes: a wrong digit red, a right one in the usual blue.
    window->onCommand(ga::kCommandAbsoluteMistake);
    const int last = 80 - (clues[80] != '.'), right = 1;
    type(right, std::to_string(puzzle().answerGrid[right]));
    type(last, std::to_string(puzzle().answerGrid[last] % 9 + 1));
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "finished although there are some mistakes");
    const ga::TextColour red = *desktop.control(ga::cellId(last))->paintedColour;
    const ga::TextColour blue = *desktop.control(ga::cellId(right))->paintedColour;
    EXPECT_EQ(std::make_tuple(red.red, red.green, red.blue), std::make_tuple(255, 0, 0));
    EXPECT_EQ(std::make_tuple(blue.red, blue.green, blue.blue), std::make_tuple(0, 0, 255));
}

// A cell entered while a solve runs keeps the digit the solve gave it, and
// the completion check congratulates at once.
TEST_F(MainWindowTest, ACellEnteredDuringASolveKeepsTheSolvedDigit) {
    ASSERT_TRUE(create());
    newPuzzle();
    deliverNotice();
    int cell = 0;
    while (puzzle().openFlags[cell] == 0) ++cell;
    window->onCommand(ga::kCommandPencilMarks);
    window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
    deliverNotice();
    desktop.paintPendingCells();
    EXPECT_EQ(puzzle().valueGrid[cell], puzzle().answerGrid[cell]);
    EXPECT_EQ(desktop.control(ga::cellId(cell))->font, ga::FontChoice::kBig);
    EXPECT_EQ(settings().statusCode, ga::kStatusComplete);
}

// The backgrounds of clue 3 at 0, clue 1 at 8 in its row, open 20 and 72 in
// its box and column, clue 3 at 67, open 40 elsewhere, open 1 in its row and
// open 47 in box 4, the first hint's unit: Plain, Unit, Same digit,
// Hinted, In hand. The second hint finds a wrong value: the puzzle, built
// without its answer, was proved to have one by the first hint's count.
TEST_F(MainWindowTest, BackgroundsFollowTheCellInHandAndHintsLastUntilAnEdit) {
    ASSERT_TRUE(create());
    handBuildWithoutAnswer(kSingle);
    const auto focus = [this](int cell, CellNotification n) {
        return [=] { window->onCellNotification(ga::cellId(cell), n); };
    };
    std::vector<std::string> hints;
    const auto hint = [this, &hints] {
        window->onCommand(ga::kCommandHint);
        if (window->busy()) deliverNotice();
        hints.push_back(desktop.text(ga::kStatusBoxId));
    };
    // clang-format off
    const CellNotification kIn = CellNotification::kGainedFocus, kOut = CellNotification::kLostFocus;
    const std::pair<std::function<void()>, const char*> steps[] = {
        {focus(0, kIn), "IUUUSPUP"}, {hint, "IUUUSPUH"},
        {focus(0, kOut), "PPPPPPPH"}, {focus(1, kIn), "UUUPPPIH"}, {focus(1, kOut), "PPPPPPPH"},
        {[this] { type(1, "5"); }, "PPPPPPPP"}, {hint, "PPPPPPHP"},
        {[this] { window->onCommand(ga::kCommandShowCandidates); }, "PPPPPPPP"}};
    // clang-format on
    for (const auto& [step, expected] : steps) {
        step();
        std::string shown;
        for (int cell : {0, 8, 20, 72, 67, 40, 1, 47})
            shown += "PUSHI"[static_cast<int>(window->onCellBackground(ga::cellId(cell)))];
        EXPECT_EQ(shown, expected) << &step - &steps[0].first;
    }
    EXPECT_EQ(hints, (std::vector<std::string>{"look at box 4: a hidden single",
                                               "r1c2: 5 is not the answer's value"}));
    EXPECT_FALSE(desktop.logStartingWith("repaint " + std::to_string(ga::cellId(67))).empty());
}

// With its answer known, the hint is given at once, in stages on an unchanged
// board: where to look, then the whole step. Apply Hint does the step as one
// step of the history; the edit starts the stages again.
TEST_F(MainWindowTest, HintsComeInStagesAndApplyHintIsOneStepToUndo) {
    ASSERT_TRUE(create());
    desktop.setClipboardText(kSingle);
    window->onCommand(ga::kCommandPastePuzzle);
    deliverNotice();  // the count of its answers
    const auto tinted = [this] {
        std::vector<int> cells;
        for (int cell = 0; cell < ga::kCells; ++cell)
            if (window->onCellBackground(ga::cellId(cell)) == ga::CellBackground::kHinted)
                cells.push_back(cell);
        return cells;
    };
    const std::string lead = "look at box 4: a hidden single";
    const std::string whole = "box 4: 5 fits only in r6c3";
    const std::vector<int> box4 = {27, 28, 29, 36, 37, 38, 45, 46, 47};
    const struct {
        int command;
        std::string status;
        std::vector<int> tinted;
        int valueAt47;
    } steps[] = {
        {ga::kCommandHint, lead, box4, 0},     {ga::kCommandHint, whole, {47}, 0},
        {ga::kCommandHint, whole, {47}, 0},    {ga::kCommandApplyHint, whole, {}, 5},
        {ga::kCommandUndo, whole, {}, 0},      {ga::kCommandHint, lead, box4, 0},
        {ga::kCommandApplyHint, whole, {}, 5},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        window->onCommand(step.command);
        EXPECT_FALSE(window->busy());
        EXPECT_EQ(statusBox(), step.status);
        EXPECT_EQ(tinted(), step.tinted);
        EXPECT_EQ(puzzle().valueGrid[47], step.valueAt47);
    }
    EXPECT_EQ(cellText(47), "5");
    EXPECT_EQ(window->state().history.size(), 1u);
}

// Clues without one answer: the first command counts them in a job, the
// next one knows at once.
TEST_F(MainWindowTest, HintAndRatingSayWhenThePuzzleHasNoSingleAnswer) {
    ASSERT_TRUE(create());
    const struct {
        const char* clues;
        int first, second;
        std::string running, hint, rating;
    } cases[] = {
        {kSeveral, ga::kCommandHint, ga::kCommandRatePuzzle, "\r\nlooking for the next step...",
         "this puzzle has more than one answer, so no step can lead to just one",
         "This puzzle has more than one answer, so it has no rating."},
        {kNone, ga::kCommandRatePuzzle, ga::kCommandHint, "\r\nrating the puzzle...",
         "this puzzle has no answer, so there is no step to hint",
         "This puzzle has no answer, so it has no rating."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clues);
        desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionNo); });
        handBuildWithoutAnswer(c.clues);
        const std::string before = statusBox();
        window->onCommand(c.first);
        ASSERT_TRUE(window->busy());
        EXPECT_FALSE(enabled(ga::kCommandHint) || enabled(ga::kCommandRatePuzzle));
        EXPECT_EQ(statusBox(), c.running);
        deliverNotice();
        EXPECT_TRUE(enabled(ga::kCommandApplyHint));
        window->onCommand(c.second);
        EXPECT_FALSE(window->busy());
        EXPECT_EQ(desktop.messageBoxes().back().text, c.rating);
        EXPECT_EQ(statusBox(), c.hint);
    }
}

// The rating is of the clues, whatever the player has typed; one that the
// quick rungs finish is given at once.
TEST_F(MainWindowTest, RatePuzzleRatesTheClues) {
    ASSERT_TRUE(create());
    std::string easy = ga::testing::kSolvedText;
    for (int cell = 0; cell < ga::kCells; cell += 4) easy[cell] = '.';
    desktop.setClipboardText(easy);
    window->onCommand(ga::kCommandPastePuzzle);
    deliverNotice();
    std::vector<std::string> boxes;
    for (int typed : {0, 1}) {
        if (typed) type(0, "9");
        window->onCommand(ga::kCommandRatePuzzle);
        EXPECT_FALSE(window->busy());
        boxes.push_back(desktop.messageBoxes().back().text);
        EXPECT_EQ(desktop.messageBoxes().back().title, "Rate Puzzle");
    }
    EXPECT_EQ(boxes[0], boxes[1]);
    EXPECT_EQ(boxes[0].rfind("Score: ", 0), 0u) << boxes[0];
}

TEST_F(MainWindowTest, TheQuickCommandsChangeTheBoardAndSayWhatTheyDid) {
    ASSERT_TRUE(create());
    newPuzzle();
    deliverNotice();
    int open = 0;
    while (puzzle().openFlags[open] == 0) ++open;
    const int wrong = puzzle().answerGrid[open] % 9 + 1;
    // Each step on the board left by the one before it.
    const struct {
        int command;
        const char* shown;
        int valueAfter;  // of the open cell; -1 the answer
    } steps[] = {
        {ga::levelCommand(1), "you're going to try puzzles as Novice", wrong},
        {ga::kCommandNotExpressMistake, "no express mistakes", wrong},
        {ga::kCommandAbsoluteMistake, "express absolute mistakes as red color font", wrong},
        {ga::kCommandShowCandidates, nullptr, wrong},
        {ga::kCommandEraseSolving, "reset the solving", 0},
        {ga::kCommandOpenAnswer, "the answer was opened", -1},
        {ga::kCommandEraseSolving, "reset the solving", 0},
    };
    type(open, std::to_string(wrong));
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        window->onCommand(step.command);
        if (step.shown) {
            EXPECT_EQ(statusBox(), step.shown);
        }
        const int expected = step.valueAfter < 0 ? puzzle().answerGrid[open] : step.valueAfter;
        EXPECT_EQ(puzzle().valueGrid[open], expected);
    }
    EXPECT_EQ(settings().expressMode, 2);
    EXPECT_EQ(settings().menuMode, ga::kMenuLoaded);
    window->onCommand(ga::kCommandShowCandidates);
    EXPECT_EQ(settings().statusCode, ga::kStatusCandidatesShown);

    // Leaving the modified puzzle: "Cancel" keeps it, "No" with the box ticked
    // goes on and never asks again.
    desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionCancel); });
    window->onCommand(ga::kCommandNewPuzzle);
    EXPECT_FALSE(window->busy());
    desktop.onDialog([](ga::FakeDialog& dialog) {
        dialog.click(ga::kSaveQuestionNeverAgain);
        dialog.click(ga::kSaveQuestionNo);
    });
    window->onCommand(ga::kCommandNewPuzzle);
    EXPECT_TRUE(window->busy());
    deliverNotice();
    EXPECT_EQ(settings().neverConfirmSave, 1);
    EXPECT_EQ(window->settingsFile().settings.neverConfirmSave, 1);
}

TEST_F(MainWindowTest, RecreatesFromTypedSerialPartsAndRecordsRegionsAsAJob) {
    ASSERT_TRUE(create());
    const char* parts[] = {" 0x75BCD15", "20000008", "3fe", "0", ""};
    desktop.onDialog([&](ga::FakeDialog& dialog) {
        for (int part = 0; part < 5; ++part)
            dialog.type(ga::kFirstSerialFieldId + part, parts[part]);
        dialog.click(ga::kSaveSerialDefaultsBoxId);
        dialog.click(ga::kDialogOkay);
    });
    window->onCommand(ga::kCommandRecreatePuzzle);
    EXPECT_EQ(settings().statusCode, ga::kStatusNewPuzzle);
    EXPECT_EQ(puzzle().serial[0], 0x75BCD15u);
    EXPECT_EQ(puzzle().serial[2], 0x3FEu);
    EXPECT_EQ(settings().menuMode, ga::kMenuPlaying);
    EXPECT_EQ(settings().modified, 1);
    EXPECT_EQ(window->settingsFile().settings.recreateSerial[0], 0x75BCD15u);

    const std::string csv = dir / "regions.csv";
    desktop.onFileDialog([&](const ga::FileDialogRequest&, std::string& path) {
        path = csv;
        return true;
    });
    desktop.onDialog([&](ga::FakeDialog& dialog) {
        dialog.click(ga::kCsvFileButtonId);
        dialog.choose(ga::kSearchLevelListId, 0);
        dialog.type(ga::kSearchCountFieldId, "100");
        dialog.type(ga::kMaxRegionCellsFieldId, "4");
        dialog.click(ga::kSaveRegionDefaultsBoxId);
        dialog.click(ga::kDialogOkay);
    });
    window->onCommand(ga::kCommandRecordRegions);
    EXPECT_TRUE(window->busy());
    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_GT(std::filesystem::file_size(csv), 0u);
    EXPECT_EQ(window->settingsFile().settings.maxRegionCells, 4);  // the numbers, not the file
    EXPECT_EQ(window->settingsFile().settings.csvPath[0], '\0');
    EXPECT_EQ(settings().statusCode, ga::kStatusNewPuzzle);  // the notice leaves the status
}

TEST_F(MainWindowTest, DefaultSettingsReachTheRunningWindowOnlyWhenReflected) {
    ASSERT_TRUE(create());
    for (const bool reflect : {false, true}) {
        SCOPED_TRACE(reflect);
        desktop.onDialog([&](ga::FakeDialog& dialog) {
            dialog.choose(ga::kNewPuzzleLevelListId, reflect ? 2 : 3);
            dialog.choose(ga::kExpressModeListId, 0);
            if (dialog.checked(ga::kReflectToCurrentBoxId) != reflect)
                dialog.click(ga::kReflectToCurrentBoxId);
            dialog.click(ga::kDialogOkay);
        });
        window->onCommand(ga::kCommandDefaultSettings);
        EXPECT_EQ(window->settingsFile().settings.level, reflect ? 2 : 3);
        EXPECT_EQ(settings().level, reflect ? 2 : 4);
        EXPECT_EQ(settings().expressMode, reflect ? 0 : 1);
    }
}

// A paste is judged first: text without a puzzle and clues that clash at
// once, then the count of answers as a job, the menu greyed meanwhile. Only a
// puzzle it takes asks the save question; a refusal or a cancelled question
// leaves the board as it was. Copying a pasted puzzle gives its clue line back.
TEST_F(MainWindowTest, PasteCountsAnswersAsAJobAndTakesOnlyPuzzlesWithAnAnswer) {
    const std::string one =
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    const std::string two = "." + one.substr(1);
    // clang-format off
    const struct { std::string text; int answers; bool counted; const char* refusal; } cases[] = {
        {one, 1, true, ""}, {two, 2, true, ""}, {"\n" + two + "x", 0, false, "line 2 has 'x'"},
        {"55" + one.substr(2), 0, false, "5 stands twice in row 1"},
        {"12345678........9" + std::string(64, '.'), 0, true, "no answer"},
        {ga::testing::kSolvedText, 0, false, "full grid"}};
    // clang-format on
    ASSERT_TRUE(create());
    type(0, "5");  // modified: a paste that is taken asks the save question
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        desktop.setClipboardText(c.text);
        const PuzzleRecord kept = puzzle();
        const size_t dialogs = desktop.dialogsRun().size(), boxes = desktop.messageBoxes().size();
        desktop.onDialog([](ga::FakeDialog& d) { d.click(ga::kSaveQuestionCancel); });
        window->onCommand(ga::kCommandPastePuzzle);
        EXPECT_EQ(window->busy(), c.counted);
        if (c.counted) {
            EXPECT_EQ(desktop.menuItems(&Item::enabled), std::set<int>{ga::kCommandAbout});
            deliverNotice();
        }
        EXPECT_EQ(std::memcmp(&puzzle(), &kept, sizeof kept), 0);
        EXPECT_EQ(desktop.dialogsRun().size() - dialogs, c.answers != 0 ? 1u : 0u);
        EXPECT_EQ(desktop.messageBoxes().size() - boxes, c.answers == 0 ? 1u : 0u);
        if (c.answers == 0) {
            const FakeDesktop::MessageBoxCall box = desktop.messageBoxes().back();
            EXPECT_TRUE(box.title == ga::kPasteRefusedTitle &&
                        box.text.find(c.refusal) != box.text.npos);
            continue;
        }
        desktop.onDialog([](ga::FakeDialog& d) { d.click(ga::kSaveQuestionNo); });
        window->onCommand(ga::kCommandPastePuzzle);
        window->onCellNotification(ga::cellId(1), CellNotification::kGainedFocus);
        deliverNotice();
        EXPECT_EQ(window->state().marks.cellInHand, -1);  // a cell of the old board
        EXPECT_EQ(statusBox(),
                  ga::puzzleTextText(c.answers == 1 ? ga::PuzzleTextMessage::kPasted
                                                    : ga::PuzzleTextMessage::kPastedWithoutAnswer));
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Hand-Build");
        EXPECT_EQ(settings().menuMode, ga::kMenuPlaying);
        EXPECT_EQ(puzzle().answerKnown && ga::isSolved(puzzle().answerGrid), c.answers == 1);
        window->onCommand(ga::kCommandCopyPuzzle);
        EXPECT_EQ(desktop.clipboardText(), c.text);
    }
}

// Every kind of step undone back to the new puzzle and redone to the end: each
// place shows the cells, record, modified flag, menu mode and status text it
// had (a job's "solving..." is no place's). Saving is no step but makes its
// place the only unmodified one.
TEST_F(MainWindowTest, UndoAndRedoWalkTheStepsOfEachBoard) {
    ASSERT_TRUE(create());
    newPuzzle();
    deliverNotice();
    const int open = firstOpenCell();
    desktop.onFileDialog([&](const ga::FileDialogRequest&, std::string& path) {
        path = dir / "kept.ga";
        return true;
    });
    auto command = [&](int id) { return [this, id] { window->onCommand(id); }; };
    const std::function<void()> actions[] = {
        command(ga::kCommandSavePuzzle),
        [&] { type(open, std::to_string(puzzle().answerGrid[open] % 9 + 1)); },
        [&] { type(firstOpenCell(open + 1), "123"); },
        command(ga::kCommandSavePuzzle),
        command(ga::kCommandShowCandidates),
        command(ga::kCommandHint),
        [&] { window->onCommand(ga::kCommandPencilMarks), deliverNotice(); },
        command(ga::kCommandEraseSolving),
        command(ga::kCommandOpenAnswer),
    };
    auto seen = [&] {
        std::vector<std::string> cells;  // text, value and candidates
        for (int cell = 0; cell < ga::kCells; ++cell)
            cells.push_back(cellText(cell) + "," + std::to_string(puzzle().valueGrid[cell]) + "," +
                            std::to_string(puzzle().candidateNumbers[cell]));
        return std::make_tuple(cells, settings().modified, settings().menuMode, statusBox());
    };
    std::vector<decltype(seen())> places{seen()};
    for (const auto& action : actions) {
        action();
        if (std::get<0>(seen()) == std::get<0>(places.back())) places.pop_back();
        // Only the place last saved is unmodified.
        for (auto& place : places) std::get<1>(place) |= settings().modified == 0;
        places.push_back(seen());
    }
    ASSERT_EQ(places.size(), 7u);
    for (size_t place = places.size() - 1; place-- > 0;) {
        window->onCommand(ga::kCommandUndo);
        ASSERT_EQ(seen(), places[place]) << "undone to " << place;
    }
    EXPECT_TRUE(!enabled(ga::kCommandUndo) && enabled(ga::kCommandRedo));
    for (size_t place = 1; place < places.size(); ++place) {
        window->onCommand(ga::kCommandRedo);
        ASSERT_EQ(seen(), places[place]) << "redone to " << place;
    }
    EXPECT_FALSE(enabled(ga::kCommandRedo) || enabled(ga::kCommandPencilMarks));  // mode 8 again

    // Hand-building has a history of its own, as every new board has. What
    // is typed into the cell in hand is one step, neither lost nor kept twice.
    desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionNo); });
    window->onCommand(ga::kCommandHandBuildPuzzle);
    EXPECT_FALSE(enabled(ga::kCommandUndo) || enabled(ga::kCommandRedo));
    type(0, "3");
    window->onCellNotification(ga::cellId(1), CellNotification::kGainedFocus);
    desktop.setText(ga::cellId(1), "4");
    window->onCommand(ga::kCommandUndo);
    EXPECT_EQ(cellText(0) + cellText(1) + std::to_string(puzzle().valueGrid[1]), "30");
    window->onCommand(ga::kCommandRedo);
    window->onCellNotification(ga::cellId(1), CellNotification::kLostFocus);
    EXPECT_EQ(cellText(0) + cellText(1) + std::to_string(puzzle().valueGrid[1]), "344");
    EXPECT_EQ(window->state().history.size(), 2u);
    window->onCommand(ga::kButtonCancelHandBuild);
    EXPECT_FALSE(enabled(ga::kCommandUndo));
    // Without a step, a cell in hand may still hold one.
    window->onCellNotification(ga::cellId(open), CellNotification::kGainedFocus);
    EXPECT_TRUE(enabled(ga::kCommandUndo));
}

}  // namespace
