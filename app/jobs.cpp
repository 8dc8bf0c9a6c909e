#include "app/jobs.h"

#include "app/command_table.h"
#include "app/window_commands.h"

namespace ga {

void showIdleMenu(Desktop& desktop, const WindowState& state) {
    applyMenuPattern(desktop, state.puzzle.answerKnown != 0, state.settings.menuMode);
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
        const int notice = job_.job->run(job_.meter, job_.stopAsked);
        // Every write of the job is done; the send returns once the window
        // has taken the results and cleared the job code.
        desktop_.sendCommandFromWorker(notice);
        if (job_.stopRequested.load() != 0) return;
    }
}

// --- the window's side -------------------------------------------------------------

bool JobControl::startJob(Desktop& desktop, WindowState& state, int command) {
    const CommandRow* row = commandRow(command);
    if (busy() || row == nullptr || row->job == nullptr) return false;
    std::unique_ptr<Job> job = row->job(desktop, state, command);
    if (!job) return false;
    job_.job = std::move(job);
    job_.stopAsked.store(false);
    job_.jobCode.store(job_.job->code());
    menuBeforeJob_ = enterBusyMenu(desktop);
    wakeUp_.notify();
    jobSignalled_ = true;
    return true;
}

bool JobControl::stopMaking() {
    const int32_t code = job_.jobCode.load();
    if (code != kJobMakeToOrder && code != kJobBooklet) return false;
    job_.stopAsked.store(true);
    return true;
}

void JobControl::stopRating() {
    if (job_.jobCode.load() == kJobRateCollection) job_.stopAsked.store(true);
}

JobControl::NoticeOutcome JobControl::handleNotice(Desktop& desktop, WindowState& state,
                                                   Settings& defaults, int notice) {
    if (!busy()) return NoticeOutcome::kNotANotice;
    job_.jobCode.store(kJobNone);
    jobSignalled_ = false;
    // The menu as it was before the job; the notice's changes go on top.
    restoreMenu(desktop, menuBeforeJob_);
    switch (job_.job->take(desktop, state, defaults)) {
        case Job::Taken::kBoardReplaced:
            return NoticeOutcome::kBoardReplaced;
        case Job::Taken::kRunAgain:
            // The job's command is the notice; the next run replaces the job.
            startJob(desktop, state, notice);
            break;
        case Job::Taken::kBoardKept:
            break;
    }
    return NoticeOutcome::kBoardKept;
}

}  // namespace ga
