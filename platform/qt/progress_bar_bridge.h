// The progress bar as the long jobs drive it: from the worker thread, while
// the bar belongs to the window thread.
#pragma once

#include <atomic>

#include "core/progress.h"

class QProgressBar;

namespace ga {

// Every call is carried over to the bar's thread without waiting, in order.
// Positions are coalesced: a burst of steps costs one repaint, and the bar
// always ends at the last position sent. The bar must outlive the bridge.
class ProgressBarBridge : public ProgressSink {
  public:
    explicit ProgressBarBridge(QProgressBar& bar);

    void show() override;
    void hide() override;
    void setPosition(int position) override;

  private:
    template <typename Change>
    void onBarThread(Change change);

    QProgressBar& bar_;
    std::atomic<int> latestPosition_{0};
    std::atomic<bool> positionQueued_{false};
};

}  // namespace ga
