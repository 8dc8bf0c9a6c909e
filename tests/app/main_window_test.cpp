// The window on the fake desktop, this thread standing in for the window
// thread, which takes the worker's queued notices with deliverWorkerCommand:
// the job protocol driving a real worker thread, then what the transcript
// (window_transcript_test.cpp) cannot show: close while busy, the questions
// on leaving, cells held during a job, settings kept, and undo's places.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/board_jobs.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/jobs.h"
#include "app/ladder_commands.h"
#include "app/main_window.h"
#include "app/order_commands.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "core/puzzle_text.h"
#include "core/random.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/board_ids.h"
#include "ui/booklet_dialog.h"
#include "ui/play_dialogs.h"
#include "ui/practice_dialog.h"
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
            jobs.handleNotice(desktop, state, defaults, id);
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
    ga::Settings defaults;
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
    const auto& job = dynamic_cast<const ga::NewPuzzleJob&>(*jobs.record().job);
    EXPECT_EQ(std::memcmp(&job.made(), &state.puzzle, sizeof before), 0);
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
    EXPECT_EQ(jobs.handleNotice(desktop, state, defaults, ga::kCommandCheckSolvable),
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
    state.ladder.board = ga::seenBoard(state).puzzle;
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

    const ga::PuzzleRecord& puzzle() const { return window->state().puzzle; }
    const ga::Settings& settings() const { return window->state().settings; }
    void type(int cell, const std::string& text) {
        window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
        desktop.setText(ga::cellId(cell), text);
        window->onCellEdited(ga::cellId(cell), text);
        window->onCellNotification(ga::cellId(cell), CellNotification::kLostFocus);
    }
    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }
    std::string cellText(int cell) const { return desktop.control(ga::cellId(cell))->text; }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }
    void handBuildWithoutAnswer(const std::string& clues) {
        window->onCommand(ga::kCommandHandBuildPuzzle);
        for (int cell = 0; cell < ga::kCells; ++cell)
            if (clues[cell] != '.') type(cell, std::string(1, clues[cell]));
        window->onCommand(ga::kButtonRegister);
        window->onCommand(ga::kButtonWithoutAnswer);
    }

    ga::testing::ScratchDir dir;
    FakeDesktop desktop;
    ga::StartupSettings startup;
    std::unique_ptr<MainWindow> window;
};

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

    deliverNotice();
    EXPECT_FALSE(window->busy());

    desktop.setWindowRect({100, 50, 420, 450});
    desktop.onDialog([](ga::FakeDialog& question) { question.click(1); });  // "No"
    window->onCloseRequest();
    EXPECT_TRUE(desktop.windowDestroyed());
    EXPECT_FALSE(window->jobs().workerRunning());
    EXPECT_EQ(window->settingsFile().settings.windowRect.left, 100);
}

// A rectangle saved beside a monitor since unplugged opens on the screen left,
// at its size; the file keeps what it said until the window closes elsewhere.
TEST_F(MainWindowTest, ARectangleSavedOffEveryScreenOpensOnOne) {
    ga::Settings& saved = startup.file.settings;
    ga::setDefaultSettings(saved);
    saved.windowRect = {3000, 100, 3476, 700};
    saved.windowWidth = 476;
    saved.windowHeight = 600;
    ASSERT_TRUE(ga::writeSettingsFile(startup.place.path, startup.file));
    startup.file = ga::SettingsFile{};
    ASSERT_TRUE(startup.fileRead = ga::readSettings(startup.place, startup.file));
    desktop.setScreenAreas({{0, 0, 1280, 1024}});
    ASSERT_TRUE(create());
    EXPECT_EQ(desktop.logStartingWith("moveWindow"),
              std::vector<std::string>{"moveWindow 804 100 476 600"});
    EXPECT_EQ(window->settingsFile().settings.windowRect.left, 3000);
}

// A resized window moves every control into the new area, and the first size
// brings the first layout back.
TEST_F(MainWindowTest, AResizedWindowLaysItsControlsOutInTheNewArea) {
    ASSERT_TRUE(create());
    const std::vector<int> ids = {ga::cellId(0), ga::cellId(80), ga::kStatusBoxId,
                                  ga::digitButtonId(9), ga::kClockId};
    std::vector<std::vector<int>> first;
    for (int id : ids) {
        const ga::ControlRect r = desktop.control(id)->rect;
        first.push_back({r.x, r.y, r.width, r.height});
    }
    for (const auto& [width, height] : {std::pair{900, 700}, std::pair{300, 1000}}) {
        window->onClientResized(width, height);
        const ga::ControlRect status = desktop.control(ga::kStatusBoxId)->rect;
        EXPECT_LT(
            desktop.control(ga::cellId(80))->rect.y + desktop.control(ga::cellId(80))->rect.height,
            status.y);
        for (int id : ids) {
            const ga::ControlRect r = desktop.control(id)->rect;
            EXPECT_LE(r.x + r.width, desktop.clientWidth()) << id;
            EXPECT_LE(r.y + r.height, height) << id;
        }
    }
    window->onClientResized(460, 1000);
    for (size_t i = 0; i < ids.size(); ++i) {
        const ga::ControlRect r = desktop.control(ids[i])->rect;
        EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}), first[i]) << ids[i];
    }
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
            leaving.onCellEdited(ga::cellId(0), c.modified ? "3" : "");
            leaving.onCellNotification(ga::cellId(0), CellNotification::kLostFocus);
            c.command == kCloseBox ? leaving.onCloseRequest() : leaving.onCommand(c.command);
            EXPECT_EQ(fresh.dialogsRun(), c.dialogs);
            EXPECT_EQ(leaving.closed(), c.dialogs.empty() || !declined);
            EXPECT_EQ(fresh.windowDestroyed(), leaving.closed());
        }
    }
}

// A file handed over by the desktop waits for a running job, then opens as
// Load Puzzle opens it: after the save question for a modified puzzle.
TEST_F(MainWindowTest, AHandedFileWaitsForTheJobAndTheSaveQuestion) {
    ASSERT_TRUE(create());
    newPuzzle();
    const std::string path = dir / "handed.sdm";
    std::ofstream(path) << kSingle << "\n";
    window->openFile(path);
    EXPECT_EQ(window->state().handedFile, path);
    deliverNotice();
    int open = 0;
    while (puzzle().openFlags[open] == 0) ++open;
    type(open, "5");
    ASSERT_EQ(settings().modified, 1);
    desktop.onDialog([](ga::FakeDialog& question) { question.click(2); });  // "Cancel"
    window->onTick();
    EXPECT_EQ(desktop.dialogsRun(), std::vector<int>{3000});
    EXPECT_EQ(cellText(open), "5");
    EXPECT_TRUE(window->state().handedFile.empty());

    desktop.onDialog([](ga::FakeDialog& question) { question.click(1); });  // "No"
    window->openFile(path);
    EXPECT_TRUE(window->state().handedFile.empty());
    EXPECT_EQ(ga::clueLine(puzzle()), kSingle);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- handed.sdm");
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

    // Every kind of edit at r1c2, after the whole step is shown, takes its
    // tint away; the next hint starts at its lead again.
    const std::string digit = std::to_string(puzzle().answerGrid[1]);
    const struct {
        const char* edit;
        std::function<void()> before, act;
    } edits[] = {
        {"type a digit", [] {}, [&] { type(1, digit); }},
        {"erase it", [&] { type(1, digit); }, [&] { type(1, ""); }},
        {"note a digit", [] {},
         [&] {
             window->onCellNotification(ga::cellId(1), CellNotification::kGainedFocus);
             window->onCellNoteKey(ga::cellId(1), 4);
             window->onCellNotification(ga::cellId(1), CellNotification::kLostFocus);
         }},
        {"undo a digit", [&] { type(1, digit); }, [&] { window->onCommand(ga::kCommandUndo); }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.edit);
        type(1, "");
        e.before();
        window->onCommand(ga::kCommandHint);
        window->onCommand(ga::kCommandHint);
        ASSERT_FALSE(tinted().empty());
        ASSERT_NE(statusBox().rfind("look at", 0), 0u) << "the whole step is shown";
        e.act();
        EXPECT_EQ(tinted(), std::vector<int>{});
        window->onCommand(ga::kCommandHint);
        EXPECT_EQ(statusBox().rfind("look at", 0), 0u) << statusBox();
    }
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
    EXPECT_EQ(boxes[0].rfind("Level: ", 0), 0u) << boxes[0];
}

// What the dialogs' boxes keep as defaults: the serial typed and the search's
// numbers, never the chosen CSV file. (What the window shows, the transcript tells.)
TEST_F(MainWindowTest, DialogsKeepTheirDefaultsButNotTheCsvFile) {
    ASSERT_TRUE(create());
    const char* parts[] = {" 0x75BCD15", "20000008", "3fe", "0", ""};
    const std::string csv = dir / "regions.csv";
    desktop.onFileDialog([&](const ga::FileDialogRequest&, std::string& path) {
        path = csv;
        return true;
    });
    desktop.onDialog([&](ga::FakeDialog& dialog) {
        for (int part = 0; part < 5; ++part)
            dialog.type(ga::kFirstSerialFieldId + part, parts[part]);
        dialog.click(ga::kSaveSerialDefaultsBoxId);
        dialog.click(ga::kCsvFileButtonId);
        dialog.type(ga::kSearchCountFieldId, "1");
        dialog.type(ga::kMaxRegionCellsFieldId, "4");
        dialog.click(ga::kSaveRegionDefaultsBoxId);
        dialog.click(ga::kDialogOkay);
    });
    window->onCommand(ga::kCommandRecreatePuzzle);
    window->onCommand(ga::kCommandRecordRegions);
    deliverNotice();
    EXPECT_GT(std::filesystem::file_size(csv), 0u);
    const ga::Settings& kept = window->settingsFile().settings;
    EXPECT_EQ(kept.recreateSerial[0], 0x75BCD15u);
    EXPECT_EQ(kept.maxRegionCells, 4);
    EXPECT_EQ(kept.csvPath[0], '\0');
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

}  // namespace

// A level's puzzle rates at its level and counts under it; a practice puzzle
// stops where its technique is first needed, with notes in every open cell,
// so the next hint is that technique; the job stops at the player's word.
TEST_F(MainWindowTest, PuzzlesMadeToOrderAreWhatWasAskedAndStopWhenTold) {
    ASSERT_TRUE(create());
    ga::seedRandomWith(11);
    const auto clueRating = [this] {
        int32_t clues[ga::kCells];
        for (int cell = 0; cell < ga::kCells; ++cell)
            clues[cell] = puzzle().openFlags[cell] ? 0 : puzzle().answerGrid[cell];
        ga::LadderBoard board;
        ga::loadLadderBoard(clues, true, board);
        return ga::rateWithLadder(board);
    };
    // Each new puzzle asks whether to save the last: "No".
    const auto practise = [this](ga::Technique technique) {
        desktop.onDialog([technique](ga::FakeDialog& dialog) {
            if (dialog.choose(ga::kPracticeListId, static_cast<int>(technique))) {
                dialog.click(ga::kDialogOkay);
            } else {
                dialog.click(1);
            }
        });
    };
    practise(ga::Technique::kNone);
    for (ga::Level level : {ga::Level::kEasy, ga::Level::kHard}) {
        window->onCommand(ga::puzzleByLevelCommand(level));
        EXPECT_TRUE(desktop.control(ga::kCommandStopMaking).has_value());
        deliverNotice();
        EXPECT_FALSE(desktop.control(ga::kCommandStopMaking).has_value());
        EXPECT_EQ(ga::puzzleLevel(clueRating()), level);
        EXPECT_EQ(window->state().game.statisticsClass, ga::levelName(level));
        EXPECT_EQ(desktop.shownTitle(), std::string("gridAtelier -- ") + ga::levelName(level));
    }

    for (ga::Technique technique : {ga::Technique::kPointing, ga::Technique::kNakedPair}) {
        SCOPED_TRACE(ga::techniqueInfo(technique).name);
        practise(technique);
        window->onCommand(ga::kCommandPracticeTechnique);
        deliverNotice();
        EXPECT_EQ(window->state().game.statisticsClass, ga::kPracticeClass);
        for (int cell = 0; cell < ga::kCells; ++cell) {
            if (puzzle().openFlags[cell] && puzzle().valueGrid[cell] == 0) {
                EXPECT_GT(puzzle().candidateNumbers[cell], 9) << cell;
            }
        }
        window->onCommand(ga::kCommandHint);
        if (window->busy()) deliverNotice();
        EXPECT_EQ(ga::hintTechnique(window->state()), technique);
    }

    // A Jellyfish comes seldom: the stop is seen long before one does.
    practise(ga::Technique::kJellyfish);
    const ga::PuzzleRecord before = puzzle();
    window->onCommand(ga::kCommandPracticeTechnique);
    ASSERT_TRUE(window->busy());
    window->onCommand(ga::kCommandStopMaking);
    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(std::memcmp(&before, &puzzle(), sizeof before), 0);
    EXPECT_FALSE(desktop.control(ga::kCommandStopMaking).has_value());
}

// Print Puzzles makes what the dialog asked for on the worker, then hands the
// pages to the print dialog; the board stays as it was, and the player's stop
// or a print that failed print nothing more.
TEST_F(MainWindowTest, PrintPuzzlesHandsTheChosenPuzzlesPagesToTheDesktop) {
    ASSERT_TRUE(create());
    ga::seedRandomWith(5);
    window->onCommand(ga::levelCommand(1));  // the class entry: Novice
    constexpr int kClassEntry = ga::kPuzzleLevelCount;
    struct PrintCase {
        int kind, count, perPageEntry, paperEntry;
        bool answers, stop, printFails;
        int pages;  // 0: nothing printed
        const char* heading;
    } const cases[] = {
        {0, 5, 1, 1, true, false, false, 4, "Puzzle 1: Easy, score "},
        {kClassEntry, 7, 3, 0, false, false, true, 2, "Puzzle 1: "},
        // A Jellyfish comes seldom: the stop is seen long before one does.
        {kClassEntry + 1 + static_cast<int>(ga::Technique::kJellyfish), 2, 2, 0, true, true, false,
         0, ""},
    };
    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.kind);
        desktop.onDialog([&c](ga::FakeDialog& dialog) {
            dialog.choose(ga::kBookletKindListId, c.kind);
            dialog.type(ga::kBookletCountFieldId, std::to_string(c.count));
            dialog.choose(ga::kBookletPerPageListId, c.perPageEntry);
            dialog.choose(ga::kBookletPaperListId, c.paperEntry);
            if (dialog.checked(ga::kBookletAnswersBoxId) != c.answers)
                dialog.click(ga::kBookletAnswersBoxId);
            dialog.click(ga::kDialogOkay);
        });
        desktop.picturesSucceed(!c.printFails);
        const size_t printed = desktop.booklets().size();
        const size_t boxes = desktop.messageBoxes().size();
        const PuzzleRecord before = puzzle();
        const std::string status = statusBox();
        window->onCommand(ga::kCommandPrintPuzzles);
        ASSERT_TRUE(window->busy());
        EXPECT_TRUE(desktop.control(ga::kCommandStopMaking).has_value());
        if (c.stop) window->onCommand(ga::kCommandStopMaking);
        deliverNotice();
        EXPECT_FALSE(desktop.control(ga::kCommandStopMaking).has_value());
        EXPECT_EQ(std::memcmp(&before, &puzzle(), sizeof before), 0);
        EXPECT_EQ(statusBox(), status);
        EXPECT_EQ(desktop.messageBoxes().size(), boxes + (c.printFails ? 1 : 0));
        ASSERT_EQ(desktop.booklets().size(), printed + (c.pages > 0 ? 1 : 0));
        if (c.pages == 0) continue;
        const ga::Booklet booklet = desktop.booklets().back();
        EXPECT_EQ(booklet.pages.size(), static_cast<size_t>(c.pages));
        EXPECT_EQ(booklet.paperWidth, ga::paperSize(ga::Paper(c.paperEntry)).width);
        EXPECT_EQ(booklet.pages[0].pictures[0].picture.heading.rfind(c.heading, 0), 0u);
    }
    // Cancelled, the dialog starts nothing.
    desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kDialogCancel); });
    window->onCommand(ga::kCommandPrintPuzzles);
    EXPECT_FALSE(window->busy());
}

// The look follows a dark desktop until the player chooses one, and changes
// at once; a mistake carries its wavy line in Dark, and in Light only when
// asked for.
TEST(MainWindowLook, FollowsTheDesktopOrTheChoiceAndMarksMistakesBeyondColour) {
    ga::testing::ScratchDir dir;
    FakeDesktop desktop;
    ga::StartupSettings startup;
    startup.place.path = dir / "gridAtelier.par";
    desktop.setDarkDesktop(true);
    MainWindow window(desktop, startup);
    desktop.onColourRequest([&](int id) { return window.onCellColour(id); });
    ASSERT_TRUE(window.onCreate());
    EXPECT_EQ(desktop.theme(), ga::Theme::kDark);

    // Two 5s in the first row, shown as visible mistakes.
    window.onCommand(ga::kCommandHandBuildPuzzle);
    for (int cell : {0, 1}) {
        window.onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
        desktop.setText(ga::cellId(cell), "5");
        window.onCellEdited(ga::cellId(cell), "5");
        window.onCellNotification(ga::cellId(cell), CellNotification::kLostFocus);
    }
    window.onCommand(ga::kCommandVisibleMistake);
    ASSERT_EQ(ga::cellInk(window.state().puzzle, window.state().settings.expressMode, 1, "5"),
              ga::CellInk::kMistake);
    const int mistake = ga::cellId(1);
    const ga::TextColour dark = window.onCellColour(mistake);

    const struct {
        int look, cue;
        ga::Theme theme;
        bool wavyLine;
    } choices[] = {
        {0, 0, ga::Theme::kDark, true},         {1, 0, ga::Theme::kLight, false},
        {1, 1, ga::Theme::kLight, true},        {3, 2, ga::Theme::kHighContrast, false},
        {3, 0, ga::Theme::kHighContrast, true},
    };
    for (const auto& c : choices) {
        desktop.onDialog([&](ga::FakeDialog& dialog) {
            dialog.choose(ga::kPreferencesLookId, c.look);
            dialog.choose(ga::kPreferencesMistakeCueId, c.cue);
            dialog.click(ga::kDialogOkay);
        });
        const size_t repaints = desktop.logStartingWith("repaint").size();
        const ga::Theme before = desktop.theme();
        window.onCommand(ga::kCommandPreferences);
        EXPECT_EQ(desktop.theme(), c.theme) << c.look;
        EXPECT_EQ(window.onCellMistakeCue(mistake), c.wavyLine) << c.look << " " << c.cue;
        EXPECT_FALSE(window.onCellMistakeCue(ga::cellId(2)));  // an empty cell is no mistake
        const ga::TextColour shown = window.onCellColour(mistake);
        EXPECT_EQ(c.theme == ga::Theme::kDark,
                  shown.red == dark.red && shown.green == dark.green && shown.blue == dark.blue);
        if (c.theme != before) {  // every cell is painted again at once
            EXPECT_GE(desktop.logStartingWith("repaint").size(), repaints + ga::kCells);
        }
    }
}
