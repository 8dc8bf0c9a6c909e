// The job protocol end to end: the window's side drives a real worker thread
// through the fake desktop, whose queued notices this thread takes as the
// window thread would.
#include "app/jobs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "generator/random.h"
#include "platform/fake_desktop.h"
#include "tests/support/test_records.h"
#include "ui/board.h"

namespace {

using ga::FakeDesktop;
using ga::JobControl;
using ga::PuzzleRecord;

constexpr std::chrono::seconds kNoticeWait{60};

// From the engine's test data: one answer; several answers (pencil marks get
// stuck); no answer although no clue repeats.
constexpr const char* kSingle =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
constexpr const char* kSeveral =
    "3...5.9.1.6..9.7.3....23.45.......5.53.81427.7..9...14.87...5..9....216..5217..3.";
constexpr const char* kNone =
    "7...6.15...5.41627.267538494126.7....73984.1.58..127.4.5712.43626..3...1.3.4.6.72";

// As a loaded puzzle holds it: clues in answerGrid and valueGrid.
PuzzleRecord puzzleFrom(const char* text) {
    PuzzleRecord record = ga::testing::puzzleFromText(text);
    ga::loadClues(record);
    return record;
}

std::string status(int code) {
    return ga::statusText(code, ga::StatusInputs{});
}

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
        state.puzzle = puzzleFrom(text);
        ga::createBoard(desktop, state.puzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuLoaded);
    }

    int lastNotice() {
        EXPECT_TRUE(desktop.deliverWorkerCommand(kNoticeWait));
        return notices.empty() ? 0 : notices.back();
    }

    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }
    std::set<int> enabledItems() const {
        std::set<int> items;
        for (int command : ga::menuItemCommands())
            if (desktop.menuItem(command)->enabled) items.insert(command);
        return items;
    }

    FakeDesktop desktop;
    ga::WindowState state;
    JobControl jobs;
    std::vector<int> notices;
};

TEST(WorkCopy, HoldsTheCluesOnlyAndTheAnswerWhenKnown) {
    PuzzleRecord puzzle = puzzleFrom(kSingle);
    puzzle.valueGrid[1] = 4;  // the player's entry
    puzzle.candidateNumbers[2] = 58;
    PuzzleRecord copy{};
    ga::buildWorkCopy(puzzle, 0, copy);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        ASSERT_EQ(copy.openFlags[cell], 1);
        ASSERT_EQ(copy.valueGrid[cell], puzzle.openFlags[cell] == 0 ? puzzle.valueGrid[cell] : 0);
        ASSERT_EQ(copy.candidateNumbers[cell], 0);
    }

    puzzle.answerKnown = 1;
    puzzle.answerGrid[1] = 6;
    ga::buildWorkCopy(puzzle, 1, copy);  // building by hand: everything typed so far
    EXPECT_EQ(copy.answerKnown, 1);
    EXPECT_EQ(copy.answerGrid[1], 6);
    EXPECT_EQ(copy.valueGrid[1], 4);
}

TEST_F(JobProtocol, EveryResultReachesTheStatusBox) {
    struct Case {
        const char* puzzle;
        int command;
        bool checkBeforeSolve;
        int busyStatus;
        int notice;
        int finalStatus;
    };
    const Case cases[] = {
        {kSingle, 1120, false, 32, 1120, ga::kStatusSolvable},
        {kNone, 1120, false, 32, 1120, ga::kStatusUnsolvable},
        {kSingle, 1121, false, 32, 1121, ga::kStatusSingleAnswer},
        {kSeveral, 1121, false, 32, 1121, ga::kStatusMultipleAnswers},
        {kNone, 1121, false, 32, 1121, ga::kStatusUnsolvable},
        {kSingle, 1122, false, 13, 1122, ga::kStatusSolving},  // the board tells the rest
        {kSeveral, 1122, false, 13, 1122, ga::kStatusPencilMarksStuck},
        {kNone, 1123, false, 13, 1123, ga::kStatusNotSolved},
        {kNone, 1122, true, 13, 1120, ga::kStatusUnsolvable},  // refused by the pre-check
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " " + c.puzzle);
        show(c.puzzle);
        state.settings.checkBeforeSolve = c.checkBeforeSolve ? 1 : 0;
        ga::setStatus(desktop, state, ga::kStatusWelcome);

        ASSERT_TRUE(jobs.startJob(desktop, state, c.command));
        EXPECT_TRUE(jobs.busy() && jobs.jobSignalled());
        EXPECT_EQ(statusBox(), status(c.busyStatus));
        EXPECT_EQ(lastNotice(), c.notice);
        EXPECT_FALSE(jobs.busy() || jobs.jobSignalled());
        EXPECT_EQ(state.settings.statusCode, c.finalStatus);
        EXPECT_EQ(statusBox(), status(c.finalStatus));
    }
}

TEST_F(JobProtocol, ASolveFillsTheBoardOnlyWhenItSucceeds) {
    show(kSeveral);
    desktop.setText(ga::cellId(1), "4");
    state.puzzle.valueGrid[1] = 4;
    const PuzzleRecord before = state.puzzle;
    ASSERT_TRUE(jobs.startJob(desktop, state, ga::kCommandPencilMarks));
    EXPECT_EQ(lastNotice(), ga::kCommandPencilMarks);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        ASSERT_EQ(state.puzzle.valueGrid[cell], before.valueGrid[cell]);
    }
    EXPECT_EQ(desktop.control(ga::cellId(2))->text, "");
    EXPECT_EQ(state.settings.modified, 1);

    ASSERT_TRUE(jobs.startJob(desktop, state, ga::kCommandBacktracking));
    EXPECT_EQ(lastNotice(), ga::kCommandBacktracking);
    EXPECT_TRUE(ga::isSolved(state.puzzle.valueGrid));
    for (int cell = 0; cell < ga::kCells; ++cell) {
        if (state.puzzle.openFlags[cell] == 0) continue;
        const auto control = desktop.control(ga::cellId(cell));
        ASSERT_EQ(control->text, std::to_string(state.puzzle.valueGrid[cell]));
        ASSERT_EQ(control->font, ga::FontChoice::kBig);
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
        const std::set<int> before = enabledItems();
        ASSERT_TRUE(before.count(c.command)) << "the job's item is enabled";
        ASSERT_TRUE(jobs.startJob(desktop, state, c.command));
        EXPECT_EQ(enabledItems(), std::set<int>{kCommandAbout});
        lastNotice();
        EXPECT_EQ(enabledItems(), before);
    }
}

TEST_F(JobProtocol, RefusesWhatItCannotStart) {
    show(kSingle);
    state.settings.level = 8;  // only a damaged settings file could hold it
    EXPECT_FALSE(jobs.startJob(desktop, state, ga::kCommandNewPuzzle));
    EXPECT_FALSE(jobs.startJob(desktop, state, ga::kCommandShowCandidates));
    EXPECT_FALSE(jobs.busy());
    EXPECT_EQ(jobs.handleNotice(desktop, state, ga::kCommandCheckSolvable),
              JobControl::NoticeOutcome::kNotANotice);

    ASSERT_TRUE(jobs.startJob(desktop, state, ga::kCommandCheckMultiple));
    EXPECT_FALSE(jobs.startJob(desktop, state, ga::kCommandCheckSolvable));
    EXPECT_EQ(lastNotice(), ga::kCommandCheckMultiple);
    EXPECT_EQ(notices.size(), 1u);
}

}  // namespace
