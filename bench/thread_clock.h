// The clock every timing here is read from: the calling thread's CPU time, so
// that other work on a busy machine does not count.
#pragma once

#include <time.h>

namespace ga::bench {

inline double threadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

}  // namespace ga::bench
