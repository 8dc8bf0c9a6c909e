// The worker thread and the job protocol.
//
// The long operations (a new puzzle, a solve, the two checks, the region
// search, the count of a pasted puzzle's answers, a hint or rating beyond
// the quick rungs, puzzles made to order or for a booklet) run on one
// worker thread that lives as long as the window, so that the window keeps
// answering. The window starts a job by storing it, its inputs set, then its
// code in the JobRecord, greying the menu and setting the event; the worker runs the
// job and hands the window a notice: the command identifier that started the
// job, sent synchronously through the desktop. While a job code is set, such
// an identifier is the notice, not a command.
//
// The worker never touches the board's record. A job's inputs are copies
// taken by the window as it starts, and its results (a new puzzle, a solved
// grid) stay in the job until the window copies them in while handling the
// notice, when the worker is blocked in its send. So the board is never seen
// half-written, and the window's cell edits (held while busy, see
// MainWindow) can never race with a job.
//
// The event is manual-reset and never reset: the worker blocks only until the
// first job of the run, then looks at the job code every 100 ms.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "app/menu_state.h"
#include "core/progress.h"
#include "platform/desktop.h"
#include "ui/settings.h"

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

// One kind of job: its inputs, set as the window makes it; its body, run on
// the worker, which writes its results; and how the window takes them.
class Job {
  public:
    explicit Job(JobCode code) : code_(code) {}
    virtual ~Job() = default;
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    JobCode code() const { return code_; }

    // On the worker: the body, which sees only the job's own members, the bar
    // and the stop request (the player's, or the collection's list's; only
    // the jobs that can stop look at it). Returns the notice: the command that
    // started the job, or the one whose result it brings.
    virtual int run(ProgressMeter& meter, const std::atomic<bool>& stopAsked) = 0;

    // On the window thread with the notice, the job code cleared and the menu
    // as it was before the job: the results taken into the board, the menu
    // and the status. `defaults` take what the job's dialog chose to keep.
    // kRunAgain: the command that started the job starts the next run.
    enum class Taken { kBoardKept, kBoardReplaced, kRunAgain };
    virtual Taken take(Desktop& desktop, WindowState& state, Settings& defaults) = 0;

  private:
    JobCode code_;
};

// Makes the job of `command` from the window's state and shows what runs
// meanwhile (a status text, the Stop button); or refuses it: nullptr, and
// nothing shown. A command's row names its maker.
using JobMaker = std::unique_ptr<Job> (*)(Desktop& desktop, WindowState& state, int command);

// The pattern of the menu mode, as most notices end.
void showIdleMenu(Desktop& desktop, const WindowState& state);

// What the window and the worker share, whatever the job.
struct JobRecord {
    std::atomic<uint32_t> stopRequested{0};
    // Written by the window only: the job's code when it starts, 0 when its
    // notice is handled. Storing it publishes `job` to the worker.
    std::atomic<int32_t> jobCode{kJobNone};
    // The running job, or the last one. Set by the window only while no job
    // runs; the worker looks at it once it has seen the code.
    std::unique_ptr<Job> job;
    // The player asked a puzzle made to order or a booklet to stop, or the
    // collection's list its rating run; cleared as every job starts.
    std::atomic<bool> stopAsked{false};
    ProgressMeter meter;  // the progress bar of every job body
};

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

    // Starts the job of `command` when idle: the job its row's maker makes,
    // then its code, the busy menu and the event. Returns false and does
    // nothing when busy, for a command without a job, or when the maker
    // refuses.
    bool startJob(Desktop& desktop, WindowState& state, int command);
    // Asks the running job to stop, when it is one that can: a puzzle made
    // to order or a booklet's puzzles. False when none such runs.
    bool stopMaking();
    // Asks a run of a collection's rating to end after its current puzzle.
    void stopRating();

    // The notice `notice` of the running job: the job ends, its result is
    // taken into the board, the menu returns and the status tells the result.
    enum class NoticeOutcome { kNotANotice, kBoardKept, kBoardReplaced };
    // kNotANotice when no job runs; kBoardReplaced when the job brought a new
    // board (a new, ordered or pasted puzzle).
    NoticeOutcome handleNotice(Desktop& desktop, WindowState& state, Settings& defaults,
                               int notice);

    // The worker's side of the protocol, exposed for tests.
    const JobRecord& record() const { return job_; }

  private:
    void workerMain();

    Desktop& desktop_;
    JobRecord job_;
    WorkerWakeUp wakeUp_;
    std::thread worker_;
    bool jobSignalled_ = false;
    MenuSnapshot menuBeforeJob_;
};

}  // namespace ga
