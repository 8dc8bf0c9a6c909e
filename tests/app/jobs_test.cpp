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
        EXPECT_EQ(statusBox(), status(c.busyStatus));
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
