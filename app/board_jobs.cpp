#include "app/board_jobs.h"

#include <string>

#include "app/command_ids.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "core/checks.h"
#include "core/difficulty_class.h"
#include "core/solver.h"
#include "generator/generation.h"
#include "ui/board.h"

namespace ga {

namespace {

// The working copy the solve and the checks see: every cell open, holding only
// the clues (while building by hand: everything typed so far), and the answer
// when one is known.
void buildWorkCopy(const PuzzleRecord& puzzle, int handBuildStage, PuzzleRecord& workCopy) {
    resetRecord(workCopy);
    workCopy.answerKnown = puzzle.answerKnown;
    if (puzzle.answerKnown > 0) {
        workCopy.answerGrid = puzzle.answerGrid;
    }
    if (handBuildStage != 0) {
        workCopy.valueGrid = puzzle.valueGrid;
        return;
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.openFlags[cell] == 0) workCopy.valueGrid[cell] = puzzle.valueGrid[cell];
    }
}

void showSolvableVerdict(Desktop& desktop, WindowState& state, CheckSolvableResult result) {
    showIdleMenu(desktop, state);
    if (result == kSolvable) {
        setStatus(desktop, state, kStatusSolvable);
    } else if (result == kNoAnswerProved || result == kNoAnswerFound) {
        setStatus(desktop, state, kStatusUnsolvable);
    } else {
        showStatusAgain(desktop, state);
    }
}

void showMultipleVerdict(Desktop& desktop, WindowState& state, CheckMultipleResult result) {
    showIdleMenu(desktop, state);
    if (result == kSingleAnswer) {
        setStatus(desktop, state, kStatusSingleAnswer);
    } else if (result == kMultipleAnswers) {
        setStatus(desktop, state, kStatusMultipleAnswers);
    } else if (result == kNoAnswer) {
        setStatus(desktop, state, kStatusUnsolvable);
    } else {
        showStatusAgain(desktop, state);
    }
}

// 1122 by pencil marks, 1123 by backtracking; with "check before solve" the
// solvable check first, whose notice then ends a puzzle without answer.
class SolveJob : public Job {
  public:
    SolveJob(const WindowState& state, int command)
        : Job(kJobSolve),
          command_(command),
          checkFirst_(state.settings.checkBeforeSolve != 0),
          handBuildStage_(state.handBuildStage),
          puzzle_(state.puzzle) {}

    int run(ProgressMeter& meter, const std::atomic<bool>&) override {
        if (checkFirst_) {
            // The check places trial values; it does so in a copy.
            PuzzleRecord trial = puzzle_;
            check_ = checkSolvable(trial, meter);
            checkFailed_ = check_ != kSolvable;
            if (checkFailed_) return kCommandCheckSolvable;
        }
        buildWorkCopy(puzzle_, handBuildStage_, workCopy_);
        result_ = solveJob(workCopy_,
                           command_ == kCommandBacktracking ? kBacktracking : kPencilMarks, meter);
        return command_;
    }

    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        if (checkFailed_) {
            showSolvableVerdict(desktop, state, check_);
            return Taken::kBoardKept;
        }
        PuzzleRecord& puzzle = state.puzzle;
        if (result_ == kSolved) {
            for (int cell = 0; cell < kCells; ++cell) {
                if (workCopy_.openFlags[cell] > 0)
                    puzzle.valueGrid[cell] = workCopy_.valueGrid[cell];
            }
        }
        for (int cell = 0; cell < kCells; ++cell) {
            if (puzzle.openFlags[cell] == 0 || puzzle.valueGrid[cell] == 0) continue;
            desktop.setFont(cellId(cell), FontChoice::kBig);
            desktop.setText(cellId(cell), std::to_string(puzzle.valueGrid[cell]));
        }
        showIdleMenu(desktop, state);
        state.settings.modified = 1;
        if (result_ == kNotSolvedByPencilMarks) {
            setStatus(desktop, state, kStatusPencilMarksStuck);
        } else if (result_ == kNotSolvedByBacktracking) {
            setStatus(desktop, state, kStatusNotSolved);
        } else {
            // Solved: the board's completion check brings the message as the
            // filled cells are painted.
            showStatusAgain(desktop, state);
        }
        return Taken::kBoardKept;
    }

  private:
    int command_;
    bool checkFirst_;
    int handBuildStage_;
    PuzzleRecord puzzle_;
    CheckSolvableResult check_ = kSolvable;
    SolveJobResult result_ = kSolved;
    bool checkFailed_ = false;
    PuzzleRecord workCopy_{};
};

// 1120 whether the clues have an answer, 1121 whether they have only one.
class CheckJob : public Job {
  public:
    CheckJob(const WindowState& state, int command)
        : Job(command == kCommandCheckMultiple ? kJobCheckMultiple : kJobCheckSolvable),
          handBuildStage_(state.handBuildStage),
          puzzle_(state.puzzle) {}

    int run(ProgressMeter& meter, const std::atomic<bool>&) override {
        PuzzleRecord workCopy{};
        buildWorkCopy(puzzle_, handBuildStage_, workCopy);
        if (code() == kJobCheckMultiple) {
            multiple_ = checkMultiple(workCopy, meter);
            return kCommandCheckMultiple;
        }
        solvable_ = checkSolvable(workCopy, meter);
        return kCommandCheckSolvable;
    }

    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        if (code() == kJobCheckMultiple) {
            showMultipleVerdict(desktop, state, multiple_);
        } else {
            showSolvableVerdict(desktop, state, solvable_);
        }
        return Taken::kBoardKept;
    }

  private:
    int handBuildStage_;
    PuzzleRecord puzzle_;
    CheckSolvableResult solvable_ = kSolvable;
    CheckMultipleResult multiple_ = kSingleAnswer;
};

}  // namespace

NewPuzzleJob::NewPuzzleJob(int difficultyClass) : Job(kJobNewPuzzle), class_(difficultyClass) {}

int NewPuzzleJob::run(ProgressMeter& meter, const std::atomic<bool>&) {
    resetRecord(made_);
    result_ = generatePuzzle(made_, class_, meter);
    return kCommandNewPuzzle;
}

Job::Taken NewPuzzleJob::take(Desktop& desktop, WindowState& state, Settings&) {
    if (result_ != kGenerated) {
        // Nothing was made: the board, its title and its status stay.
        showIdleMenu(desktop, state);
        return Taken::kBoardKept;
    }
    replaceBoard(desktop, state.puzzle, made_);
    state.header.puzzleClass = class_;
    desktop.setTitle(newPuzzleTitle(class_, state.puzzle.serial));
    state.header.headerSize = kPuzzleHeaderBytes;
    state.settings.modified = 1;
    enterMenuMode(desktop, state, kMenuPlaying);
    setStatus(desktop, state, kStatusNewPuzzle);
    return Taken::kBoardReplaced;
}

std::unique_ptr<Job> prepareNewPuzzleJob(Desktop&, WindowState& state, int) {
    // The generator refuses a class outside 0..7; refusing here keeps the
    // menu and the board as they are instead of running an empty job.
    if (!isDifficultyClass(state.settings.level)) return nullptr;
    return std::make_unique<NewPuzzleJob>(state.settings.level);
}

std::unique_ptr<Job> prepareSolveJob(Desktop& desktop, WindowState& state, int command) {
    auto job = std::make_unique<SolveJob>(state, command);
    setStatus(desktop, state, kStatusSolving);
    return job;
}

std::unique_ptr<Job> prepareCheckJob(Desktop& desktop, WindowState& state, int command) {
    auto job = std::make_unique<CheckJob>(state, command);
    setStatus(desktop, state, kStatusChecking);
    return job;
}

}  // namespace ga
