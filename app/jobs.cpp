#include "app/jobs.h"

#include <cstdio>
#include <cstring>

#include "app/booklet_commands.h"
#include "app/collection_commands.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/ladder_commands.h"
#include "app/menu_state.h"
#include "app/order_commands.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "core/checks.h"
#include "core/regions.h"
#include "core/solver.h"
#include "generator/generation.h"
#include "ui/board.h"

namespace ga {

void buildWorkCopy(const PuzzleRecord& puzzle, int handBuildStage, PuzzleRecord& workCopy) {
    resetRecord(workCopy);
    std::memset(workCopy.serial, 0, sizeof workCopy.serial);
    workCopy.answerKnown = puzzle.answerKnown;
    if (puzzle.answerKnown > 0) {
        std::memcpy(workCopy.answerGrid, puzzle.answerGrid, sizeof workCopy.answerGrid);
    }
    if (handBuildStage != 0) {
        std::memcpy(workCopy.valueGrid, puzzle.valueGrid, sizeof workCopy.valueGrid);
        return;
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.openFlags[cell] == 0) workCopy.valueGrid[cell] = puzzle.valueGrid[cell];
    }
}

// --- waking the worker -------------------------------------------------------------

void WorkerWakeUp::notify() {
    // Taking the lock orders the notification after the waiter's look at the
    // flags: a change made before this call is never missed.
    std::lock_guard<std::mutex> lock(mutex_);
    changed_.notify_all();
}

bool WorkerWakeUp::waitForWork(const std::atomic<int32_t>& job, const std::atomic<uint32_t>& stop) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return stop.load() != 0 || job.load() != kJobNone; });
    return stop.load() != 0;
}

// --- the worker ------------------------------------------------------------------

JobControl::JobControl(Desktop& desktop) : desktop_(desktop) {}

JobControl::~JobControl() {
    if (workerRunning()) stopWorker();
}

void JobControl::startWorker() {
    if (workerRunning()) return;
    job_.stopRequested.store(0);
    worker_ = std::thread([this] { workerMain(); });
}

void JobControl::stopWorker() {
    if (!workerRunning()) return;
    // Stop first: the wake-up below then finds it under its lock.
    job_.stopRequested.store(1);
    wakeUp_.notify();
    worker_.join();
}

void JobControl::workerMain() {
    if (job_.stopRequested.load() != 0) return;
    while (true) {
        if (wakeUp_.waitForWork(job_.jobCode, job_.stopRequested)) return;
        const int notice = runJob(job_.jobCode.load());
        // Every write of the job is done; the send returns once the window
        // has taken the results and cleared the job code.
        if (notice != 0) desktop_.sendCommandFromWorker(notice);
        if (job_.stopRequested.load() != 0) return;
    }
}

int JobControl::runJob(int32_t code) {
    switch (code) {
        case kJobNewPuzzle:
            resetRecord(job_.newPuzzle);
            job_.result =
                static_cast<uint32_t>(generatePuzzle(job_.newPuzzle, job_.level, job_.meter));
            return kCommandNewPuzzle;
        case kJobSolve:
            if (job_.checkBeforeSolve != 0) {
                // The check places trial values; it does so in a copy.
                PuzzleRecord trial = job_.puzzle;
                job_.result = static_cast<uint32_t>(checkSolvable(trial, job_.meter));
                if (job_.result != 0) return kCommandCheckSolvable;
            }
            buildWorkCopy(job_.puzzle, job_.handBuildStage, job_.workCopy);
            job_.result =
                static_cast<uint32_t>(solveJob(job_.workCopy, int(job_.method), job_.meter));
            return kCommandPencilMarks + static_cast<int>(job_.method);
        case kJobCheckSolvable:
            buildWorkCopy(job_.puzzle, job_.handBuildStage, job_.workCopy);
            job_.result = static_cast<uint32_t>(checkSolvable(job_.workCopy, job_.meter));
            return kCommandCheckSolvable;
        case kJobCheckMultiple:
            buildWorkCopy(job_.puzzle, job_.handBuildStage, job_.workCopy);
            job_.result = static_cast<uint32_t>(checkMultiple(job_.workCopy, job_.meter));
            return kCommandCheckMultiple;
        case kJobRecordRegions: {
            const RegionRequest request{job_.csvPath, job_.searchLevel, job_.searchCount,
                                        job_.maxRegionCells};
            job_.result = static_cast<uint32_t>(recordRegions(request, job_.meter));
            return kCommandRecordRegions;
        }
        case kJobCountAnswers:
            job_.workCopy = job_.puzzle;
            job_.result = static_cast<uint32_t>(countPastedAnswers(job_.workCopy));
            return kCommandPastePuzzle;
        case kJobHint:
        case kJobRate:
            return runLadderJob(job_);
        case kJobMakeToOrder:
            return runOrderJob(job_);
        case kJobRateCollection:
            return runCollectionJob(job_);
        case kJobBooklet:
            return runBookletJob(job_);
        default:
            return 0;
    }
}

// --- the window's side -------------------------------------------------------------

namespace {

// The pattern of the menu mode, as every notice ends.
void showIdleMenu(Desktop& desktop, const WindowState& state) {
    applyMenuPattern(desktop, state.puzzle.answerKnown != 0, state.settings.menuMode);
}

}  // namespace

bool JobControl::startJob(Desktop& desktop, WindowState& state, int command) {
    const JobCode code = jobOfCommand(command);
    // A count's input is a pasted puzzle, not the board: startAnswerCount.
    if (busy() || code == kJobNone || code == kJobCountAnswers) return false;
    // The generator refuses a class outside 0..7; refusing here keeps the
    // menu and the board as they are instead of running an empty job.
    if (code == kJobNewPuzzle && !isDifficultyClass(state.settings.level)) return false;

    job_.method = command == kCommandBacktracking ? 1u : 0u;
    job_.level = state.settings.level;
    job_.checkBeforeSolve = state.settings.checkBeforeSolve;
    job_.handBuildStage = state.handBuildStage;
    job_.puzzle = state.puzzle;
    std::memcpy(job_.csvPath, state.settings.csvPath, sizeof job_.csvPath);
    job_.csvPath[sizeof job_.csvPath - 1] = '\0';
    job_.searchLevel = state.settings.searchLevel;
    job_.searchCount = state.settings.searchCount;
    job_.maxRegionCells = state.settings.maxRegionCells;
    if (code == kJobHint || code == kJobRate) prepareLadderJob(desktop, state, command, job_);
    if (code == kJobMakeToOrder) {
        // Practising needs a technique chosen first.
        if (isPracticeCommand(command) && state.practised == Technique::kNone) return false;
        prepareOrderJob(desktop, state, command, job_);
    }
    if (code == kJobRateCollection && !prepareCollectionJob(state, job_)) return false;
    if (code == kJobBooklet) prepareBookletJob(desktop, state, job_);
    if (code == kJobSolve) setStatus(desktop, state, kStatusSolving);
    if (code == kJobCheckSolvable || code == kJobCheckMultiple) {
        setStatus(desktop, state, kStatusChecking);
    }
    signalJob(desktop, code);
    return true;
}

bool JobControl::stopMaking() {
    const int32_t code = job_.jobCode.load();
    if (code != kJobMakeToOrder && code != kJobBooklet) return false;
    job_.stopMaking.store(true);
    return true;
}

void JobControl::stopRating() {
    if (job_.jobCode.load() == kJobRateCollection) job_.stopRating.store(true);
}

bool JobControl::startAnswerCount(Desktop& desktop, const PuzzleRecord& pasted) {
    if (busy()) return false;
    job_.puzzle = pasted;
    signalJob(desktop, kJobCountAnswers);
    return true;
}

void JobControl::signalJob(Desktop& desktop, JobCode code) {
    job_.jobCode.store(code);
    menuBeforeJob_ = enterBusyMenu(desktop);
    wakeUp_.notify();
    jobSignalled_ = true;
}

JobControl::NoticeOutcome JobControl::handleNotice(Desktop& desktop, WindowState& state,
                                                   int notice) {
    if (!busy()) return NoticeOutcome::kNotANotice;
    job_.jobCode.store(kJobNone);
    jobSignalled_ = false;
    // The menu as it was before the job; the notice's changes go on top.
    restoreMenu(desktop, menuBeforeJob_);

    const uint32_t result = job_.result;
    switch (notice) {
        case kCommandNewPuzzle:
            if (result != kGenerated) {
                // Nothing was made: the board, its title and its status stay.
                showIdleMenu(desktop, state);
                return NoticeOutcome::kBoardKept;
            }
            takeNewPuzzle(desktop, state);
            return NoticeOutcome::kBoardReplaced;
        case kCommandCheckSolvable:
            showIdleMenu(desktop, state);
            if (result == kSolvable) {
                setStatus(desktop, state, kStatusSolvable);
            } else if (result == kNoAnswerProved || result == kNoAnswerFound) {
                setStatus(desktop, state, kStatusUnsolvable);
            } else {
                showStatusAgain(desktop, state);
            }
            break;
        case kCommandCheckMultiple:
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
            break;
        case kCommandPencilMarks:
        case kCommandBacktracking:
            takeSolve(desktop, state);
            break;
        case kCommandHint:
        case kCommandApplyHint:
        case kCommandRatePuzzle:
            showIdleMenu(desktop, state);
            takeLadderJob(desktop, state, notice, job_);
            break;
        case kCommandFirstPuzzleByLevel + 0:
        case kCommandFirstPuzzleByLevel + 1:
        case kCommandFirstPuzzleByLevel + 2:
        case kCommandFirstPuzzleByLevel + 3:
        case kCommandLastPuzzleByLevel:
        case kCommandPracticeTechnique:
        case kCommandPracticeAgain:
            if (takeOrderedPuzzle(desktop, state, job_)) return NoticeOutcome::kBoardReplaced;
            showIdleMenu(desktop, state);
            break;
        case kCommandRateCollection:
            showIdleMenu(desktop, state);
            // The list open over the window asks for the next run.
            if (takeCollectionJob(state, job_)) startJob(desktop, state, kCommandRateCollection);
            break;
        case kCommandPrintPuzzles:
            showIdleMenu(desktop, state);
            printMadeBooklet(desktop, state, job_);
            break;
        default:
            // 1126: the status stays; the window reports a file that could
            // not be written and takes the pending defaults. 1143: the window
            // takes the pasted puzzle or refuses it.
            showIdleMenu(desktop, state);
            break;
    }
    return NoticeOutcome::kBoardKept;
}

void JobControl::takeNewPuzzle(Desktop& desktop, WindowState& state) {
    replaceBoard(desktop, state.puzzle, job_.newPuzzle);
    state.header.puzzleClass = job_.level;
    desktop.setTitle(newPuzzleTitle(job_.level, state.puzzle.serial));
    state.header.headerSize = kPuzzleHeaderBytes;
    state.settings.modified = 1;
    enterMenuMode(desktop, state, kMenuPlaying);
    setStatus(desktop, state, kStatusNewPuzzle);
}

void JobControl::takeSolve(Desktop& desktop, WindowState& state) {
    PuzzleRecord& puzzle = state.puzzle;
    if (job_.result == kSolved) {
        for (int cell = 0; cell < kCells; ++cell) {
            if (job_.workCopy.openFlags[cell] > 0) {
                puzzle.valueGrid[cell] = job_.workCopy.valueGrid[cell];
            }
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.openFlags[cell] == 0 || puzzle.valueGrid[cell] == 0) continue;
        desktop.setFont(cellId(cell), FontChoice::kBig);
        desktop.setText(cellId(cell), std::to_string(puzzle.valueGrid[cell]));
    }
    showIdleMenu(desktop, state);
    state.settings.modified = 1;
    if (job_.result == kNotSolvedByPencilMarks) {
        setStatus(desktop, state, kStatusPencilMarksStuck);
    } else if (job_.result == kNotSolvedByBacktracking) {
        setStatus(desktop, state, kStatusNotSolved);
    } else {
        // Solved: the board's completion check brings the message as the
        // filled cells are painted.
        showStatusAgain(desktop, state);
    }
}

}  // namespace ga
