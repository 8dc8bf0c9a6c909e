#include "platform/qt/progress_bar_bridge.h"

#include <QMetaObject>
#include <QProgressBar>
#include <QThread>
#include <algorithm>

namespace ga {

ProgressBarBridge::ProgressBarBridge(QProgressBar& bar) : bar_(bar) {}

template <typename Change>
void ProgressBarBridge::onBarThread(Change change) {
    if (QThread::currentThread() == bar_.thread()) {
        change();
        return;
    }
    // The bar is the call's context: should it go first, the call is dropped.
    QMetaObject::invokeMethod(&bar_, change, Qt::QueuedConnection);
}

void ProgressBarBridge::show() {
    onBarThread([this] { bar_.show(); });
}

void ProgressBarBridge::hide() {
    onBarThread([this] { bar_.hide(); });
}

void ProgressBarBridge::setPosition(int position) {
    latestPosition_.store(position);
    if (positionQueued_.exchange(true)) return;
    onBarThread([this] {
        positionQueued_.store(false);
        // The bar ignores a value outside its range; a meter may overshoot.
        bar_.setValue(std::clamp(latestPosition_.load(), bar_.minimum(), bar_.maximum()));
    });
}

}  // namespace ga
