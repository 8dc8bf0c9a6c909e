#include "core/progress.h"

namespace ga {

void ProgressMeter::report() {
    if (!bar) return;
    double span = high - low;
    // A meter without a span has nothing to show; dividing would give NaN.
    double position = span > 0 ? (current - low) / span * 100.0 : 0.0;
    // The position may pass 100 (the exhaustive search counts calls, not cells);
    // keep it within what an int holds.
    if (position > 1e9) position = 1e9;
    if (position < -1e9) position = -1e9;
    bar->setPosition(static_cast<int>(position));
}

}  // namespace ga
