// The one process-wide random stream: MT19937 (32-bit), seeded once.
//
// Drawing is guarded by a lock, so the window thread (the completion check on
// a finished board) and the worker thread (jobs) may both draw; each draw is
// a whole step of the one stream.
#pragma once

#include <cstdint>

namespace ga {

// Seeds from the calendar clock (low 32 bits of the time in seconds).
void seedRandom();
// Seeds with a given value in place of the clock.
void seedRandomWith(uint32_t seed);

// The next 32-bit output of the stream.
uint32_t nextRandom();

// u = R * 2^-32, in [0, 1).
inline double drawUnit() {
    return nextRandom() * 2.3283064365386963e-10;
}

// A choice among m things: trunc(u * m), in 0..m-1.
inline int chooseAmong(int m) {
    return static_cast<int>(drawUnit() * m);
}

}  // namespace ga
