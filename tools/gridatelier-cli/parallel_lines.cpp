#include "tools/gridatelier-cli/parallel_lines.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tools/gridatelier-cli/line_reader.h"
#include "tools/gridatelier-cli/puzzle_line.h"

namespace ga::cli {
namespace {

constexpr int kLinesPerBatch = 32;
constexpr int kBatchesPerJob = 4;

// One input line: read by the reader, judged and worked on by a job, printed
// by the writer. Its strings keep their room from batch to batch.
struct Line {
    long number = 0;
    std::string text;
    LineVerdict verdict{LineStatus::kSkipped};
    OutputLine out;
};

struct Batch {
    std::vector<Line> lines;  // the first `count` belong to the batch
    int count = 0;
    bool finished = false;  // the job is done with it; the writer may print it
};

// Batches travel through a ring: the reader fills the one at nextFill, a job
// takes the one at nextTake, the writer prints the one at nextWrite, and
// nextWrite <= nextTake <= nextFill <= nextWrite + the ring's size. Each of
// the three owns a batch between its index moving onto it and moving past
// it; the indices and `finished` change under the lock only.
class LinePipeline {
  public:
    LinePipeline(int jobs, const PuzzleAction& act, std::FILE* out, std::FILE* errors,
                 const std::string& inputName)
        : jobs_(jobs),
          act_(act),
          out_(out),
          errors_(errors),
          inputName_(inputName),
          ring_(jobs * kBatchesPerJob) {}

    InputSummary run(int fd) {
        std::vector<std::thread> threads;
        for (int job = 0; job < jobs_; job++) threads.emplace_back(&LinePipeline::work, this);
        threads.emplace_back(&LinePipeline::write, this);
        read(fd);
        for (std::thread& thread : threads) thread.join();
        summary_.stopped = stopped_;
        return summary_;
    }

  private:
    long ringSize() const { return static_cast<long>(ring_.size()); }

    void read(int fd) {
        PuzzleTextReader reader(fd);
        long lineNumber = 0;
        for (bool more = true; more;) {
            {
                std::unique_lock<std::mutex> hold(lock_);
                changed_.wait(hold,
                              [this] { return nextFill_ - nextWrite_ < ringSize() || stopped_; });
                if (stopped_) break;
            }
            Batch& batch = ring_[nextFill_ % ringSize()];
            batch.count = 0;
            std::string_view text;
            long lines = 0;
            while (batch.count < kLinesPerBatch) {
                // Lines in hand go out rather than wait for more input.
                if (batch.count > 0 && !reader.lineAtHand()) break;
                if (!reader.next(text, lines)) {
                    more = false;
                    break;
                }
                if (batch.count == static_cast<int>(batch.lines.size())) batch.lines.emplace_back();
                Line& line = batch.lines[batch.count++];
                line.number = lineNumber + 1;
                lineNumber += lines;
                line.text.assign(text);
            }
            if (batch.count == 0) break;
            {
                std::lock_guard<std::mutex> hold(lock_);
                batch.finished = false;
                nextFill_++;
            }
            changed_.notify_all();
        }
        summary_.readFailed = reader.readFailed();
        {
            std::lock_guard<std::mutex> hold(lock_);
            inputEnded_ = true;
        }
        changed_.notify_all();
    }

    void work() {
        PuzzleRecord record;
        ProgressMeter meter;  // no bar: the lines of many jobs would share one
        for (;;) {
            long index;
            {
                std::unique_lock<std::mutex> hold(lock_);
                changed_.wait(hold, [this] { return nextTake_ < nextFill_ || inputEnded_; });
                if (nextTake_ == nextFill_) return;
                index = nextTake_++;
            }
            Batch& batch = ring_[index % ringSize()];
            for (int i = 0; i < batch.count && !stopped_; i++) {
                Line& line = batch.lines[i];
                line.verdict = parsePuzzleLine(line.text, record);
                if (line.verdict.status != LineStatus::kPuzzle) continue;
                line.out.clear();
                act_(record, meter, line.out);
            }
            {
                std::lock_guard<std::mutex> hold(lock_);
                batch.finished = true;
            }
            changed_.notify_all();
        }
    }

    void write() {
        for (;;) {
            long index;
            {
                auto ready = [this] {
                    return nextWrite_ < nextFill_ ? ring_[nextWrite_ % ringSize()].finished
                                                  : inputEnded_;
                };
                std::unique_lock<std::mutex> hold(lock_);
                if (!ready()) {
                    // Nothing to print for now: what is printed goes out, so
                    // that slow input is answered line by line.
                    hold.unlock();
                    if (std::fflush(out_) != 0) stop();
                    hold.lock();
                    changed_.wait(hold, ready);
                }
                if (nextWrite_ == nextFill_) return;
                index = nextWrite_;
            }
            Batch& batch = ring_[index % ringSize()];
            for (int i = 0; i < batch.count && !stopped_; i++) print(batch.lines[i]);
            {
                std::lock_guard<std::mutex> hold(lock_);
                nextWrite_++;
            }
            changed_.notify_all();
        }
    }

    void print(Line& line) {
        switch (line.verdict.status) {
            case LineStatus::kSkipped:
                return;
            case LineStatus::kPuzzle:
                ++summary_.puzzles;
                if (!line.out.writeTo(out_)) stop();
                return;
            default:
                ++summary_.malformedLines;
                reportMalformedLine(out_, errors_, line.number, line.verdict, inputName_);
                return;
        }
    }

    void stop() {
        std::lock_guard<std::mutex> hold(lock_);
        stopped_ = true;
        changed_.notify_all();
    }

    const int jobs_;
    const PuzzleAction& act_;
    std::FILE* const out_;
    std::FILE* const errors_;
    const std::string inputName_;

    std::mutex lock_;
    // Any move of the ring: a batch filled, done or printed, the input ended
    // or the output failed. Each waits on it for its own condition.
    std::condition_variable changed_;
    std::vector<Batch> ring_;
    long nextFill_ = 0, nextTake_ = 0, nextWrite_ = 0;
    bool inputEnded_ = false;
    std::atomic<bool> stopped_{false};  // the output failed: the rest is dropped
    InputSummary summary_;              // counts by the writer, readFailed by the reader
};

}  // namespace

InputSummary forEachPuzzleInParallel(int fd, int jobs, const PuzzleAction& act, std::FILE* out,
                                     std::FILE* errors, const std::string& inputName) {
    LinePipeline pipeline(jobs, act, out, errors, inputName);
    return pipeline.run(fd);
}

}  // namespace ga::cli
