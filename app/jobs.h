// The worker thread and the job protocol.
//
// The long operations (a new puzzle, a solve, the two checks, the region
// search, the count of a pasted puzzle's answers, a hint or rating beyond
// the quick rungs, puzzles made to order or for a booklet) run on one
// worker thread that lives as long as the window, so that the window keeps
// answering. The window starts a job by storing its inputs, then its code in
// the JobRecord, greying the menu and setting the event; the worker runs the
// job and hands the window a notice: the command identifier that started the
// job, sent synchronously through the desktop. While a job code is set, such
// an identifier is the notice, not a command.
//
// The worker never touches the board's record. A job starts from a copy of
// it taken by the window, and its results (a new puzzle, a solved grid) stay
// in the JobRecord until the window copies them in while handling the
// notice, when the worker is blocked in its send. So the board is never seen
// half-written, and the window's cell edits (held while busy, see
// MainWindow) can never race with a job.
//
// The event is manual-reset and never reset: the worker blocks only until the
// first job of the run, then looks at the job code every 100 ms.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/menu_state.h"
#include "core/hint.h"
#include "core/progress.h"
#include "core/puzzle_record.h"
#include "generator/made_to_order.h"
#include "platform/desktop.h"
#include "ui/booklet.h"
#include "ui/collection_dialog.h"

namespace ga {

struct WindowState;

enum JobCode : int32_t {
    kJobNone = 0,
    kJobNewPuzzle = 1,
    kJobSolve = 2,
    kJobCheckSolvable = 3,
    kJobCheckMultiple = 4,
    kJobRecordRegions = 5,
    kJobCountAnswers = 6,  // of a pasted puzzle
    kJobHint = 7,          // the hint or the step to apply, beyond the quick rungs
    kJobRate = 8,
    kJobMakeToOrder = 9,      // a puzzle of a level, or to practise a technique
    kJobRateCollection = 10,  // the next puzzles of a collection's list
    kJobBooklet = 11,         // the puzzles of a booklet to print
};

struct JobRecord {
    std::atomic<uint32_t> stopRequested{0};
    // Written by the window only: the code when a job starts, 0 when its
    // notice is handled. Storing it publishes the inputs below to the worker.
    std::atomic<int32_t> jobCode{kJobNone};

    // --- inputs, stored by the window before jobCode ---------------------------
    uint32_t method = 0;  // job 2: 0 pencil marks, 1 backtracking
    int32_t level = 0;    // job 1: the class to generate
    int32_t checkBeforeSolve = 0;
    int32_t handBuildStage = 0;
    PuzzleRecord puzzle{};   // the board's record as the job started; job 6: the pasted one
    char csvPath[260] = {};  // job 5: the region search's request
    int32_t searchLevel = 0;
    int32_t searchCount = 0;
    int32_t maxRegionCells = 0;
    int32_t ladderCommand = 0;  // jobs 7, 8: the command, whose notice ends it
    PuzzleAnswers answers;      // jobs 7, 8: as far as known; counted by the job if not
    PuzzleOrder order;          // job 9: what to make
    bool practice = false;      // job 9: start where the ordered technique is first needed
    uint64_t orderSeed = 0;     // job 9: the puzzles' random streams
    int32_t orderCommand = 0;   // job 9: the command, whose notice ends it
    int32_t bookletClass = -1;  // job 11: the class to generate, or -1: made to `order`
    int32_t bookletCount = 0;   // job 11: how many
    // Jobs 9 and 11: the player asked to stop; the job looks between its tries.
    std::atomic<bool> stopMaking{false};
    // Job 10: the collection (its key), and the puzzles of this run from its
    // puzzle `rateFirst` on; the list asks the run to stop between puzzles.
    std::string rateKey;
    int32_t rateFirst = 0;
    std::vector<PuzzleRecord> ratePuzzles;
    std::atomic<bool> stopRating{false};

    // --- results, written by the worker before its notice ----------------------
    uint32_t result = 0;       // the job body's return value
    PuzzleRecord newPuzzle{};  // job 1
    PuzzleRecord workCopy{};   // jobs 2..4: what the solvers and checks work on;
                               // job 6: the pasted puzzle, its answer stored when it has one
    Hint hint;                 // job 7
    LadderRating rating;       // job 8
    OrderedPuzzle ordered;     // job 9; its board, as played, in newPuzzle
    std::vector<CollectionRating> collectionRatings;  // job 10: from rateFirst on
    std::vector<BookletPuzzle> booklet;  // job 11: the puzzles made, all of them unless stopped

    ProgressMeter meter;  // the progress bar of every job body
};

// The working copy the solve and the checks see: every cell open, holding only
// the clues (while building by hand: everything typed so far), and the answer
// when one is known. The player's own entries never reach a solver or check.
void buildWorkCopy(const PuzzleRecord& puzzle, int handBuildStage, PuzzleRecord& workCopy);

// What the worker sleeps on between jobs: a mutex and a condition variable.
// The window notifies it after setting a job's code or the stop request, so
// the worker wakes as soon as there is something to do and never polls.
class WorkerWakeUp {
  public:
    void notify();
    // Waits until `job` holds a job or `stop` is non-zero; true for a stop.
    bool waitForWork(const std::atomic<int32_t>& job, const std::atomic<uint32_t>& stop);

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

// The window's side of the protocol and the worker thread itself.
class JobControl {
  public:
    explicit JobControl(Desktop& desktop);
    // Stops a worker still running; see stopWorker.
    ~JobControl();
    JobControl(const JobControl&) = delete;
    JobControl& operator=(const JobControl&) = delete;

    void startWorker();
    // At close, which the window refuses while a job runs: the worker is then
    // idle and makes no desktop call, so joining it needs nothing from the
    // window thread. The worker sees the request at once.
    void stopWorker();
    bool workerRunning() const { return worker_.joinable(); }

    bool busy() const { return job_.jobCode.load() != kJobNone; }
    bool jobSignalled() const { return jobSignalled_; }
    void setProgressBar(ProgressSink* bar) { job_.meter.bar = bar; }

    // Starts the job of `command` (1110, 1120..1123, 1126, 1146..1148, 1169, 1170..1176, 1181)
    // when idle:
    // inputs, code, busy menu, status "solving"/"checking", event. Returns false and does nothing
    // when busy, for another command, or for a level that names no class that can be generated.
    bool startJob(Desktop& desktop, WindowState& state, int command);
    // Asks the running job to stop, when it is one that can: a puzzle made
    // to order or a booklet's puzzles. False when none such runs.
    bool stopMaking();
    // Asks a run of a collection's rating to end after its current puzzle.
    void stopRating();

    // Starts counting the answers of `pasted` (its clues loaded), the job of
    // 1143, when idle: the menu greys and the status stays. False when busy.
    bool startAnswerCount(Desktop& desktop, const PuzzleRecord& pasted);

    // The notice `notice` of the running job: the job ends, its result is
    // taken into the board, the menu returns and the status tells the result.
    enum class NoticeOutcome { kNotANotice, kBoardKept, kBoardReplaced };
    // kNotANotice when no job runs; kBoardReplaced when a new puzzle brought
    // new cells.
    NoticeOutcome handleNotice(Desktop& desktop, WindowState& state, int notice);

    // The worker's side of the protocol, exposed for tests.
    const JobRecord& record() const { return job_; }

  private:
    void signalJob(Desktop& desktop, JobCode code);
    void workerMain();
    int runJob(int32_t code);  // returns the notice, 0 for no job
    void takeNewPuzzle(Desktop& desktop, WindowState& state);
    void takeSolve(Desktop& desktop, WindowState& state);

    Desktop& desktop_;
    JobRecord job_;
    WorkerWakeUp wakeUp_;
    std::thread worker_;
    bool jobSignalled_ = false;
    MenuSnapshot menuBeforeJob_;
};

}  // namespace ga
