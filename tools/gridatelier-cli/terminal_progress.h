// The progress bar of a job drawn as a percentage at the start of one
// terminal line, e.g. "line 12: 37%".
//
// A job that ends quickly draws nothing: the first drawing waits until the
// job has run for a moment, and redrawing is limited to a few times a second,
// so a stream of quick puzzles costs no terminal output at all.
#pragma once

#include <chrono>
#include <cstdio>

#include "core/progress.h"

namespace ga::cli {

class TerminalProgress : public ProgressSink {
  public:
    explicit TerminalProgress(std::FILE* out) : out_(out) {}

    // What the line says before the percentage; kept short, copied.
    void setLabel(const char* label);

    void show() override;
    void hide() override;
    void setPosition(int position) override;

  private:
    using Clock = std::chrono::steady_clock;

    std::FILE* out_;
    char label_[40] = "";
    bool shown_ = false;
    bool drawn_ = false;
    int position_ = -1;
    Clock::time_point shownAt_;
    Clock::time_point drawnAt_;
};

}  // namespace ga::cli
