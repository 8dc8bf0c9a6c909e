// Progress reporting for the long operations.
//
// The meter maps its current value between low and high onto a bar position
// 0..100. The bar itself is a sink supplied by whoever shows progress (the
// desktop's progress bar, a terminal line); without one every report does
// nothing.
#pragma once

namespace ga {

class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setPosition(int position) = 0;  // 0..100, may pass 100
};

struct ProgressMeter {
    ProgressSink* bar = nullptr;
    double low = 0;
    double high = 0;
    double current = 0;

    void set(double newLow, double newHigh, double newCurrent) {
        low = newLow;
        high = newHigh;
        current = newCurrent;
    }
    // Sends (current - low) / (high - low) * 100, truncated, to the bar.
    void report();
    // Adds 1 to current, then reports.
    void step() {
        current += 1;
        report();
    }
    void show() {
        if (bar) bar->show();
    }
    void hide() {
        if (bar) bar->hide();
    }
    // Shows the bar at position 0.
    void showAtZero() {
        if (bar) {
            bar->show();
            bar->setPosition(0);
        }
    }
};

}  // namespace ga
