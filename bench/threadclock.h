// CPU time of the calling thread: the machine is shared, and the waits of a loaded machine are not
// the code's. For work done in one thread only.
#pragma once

#include <ctime>

inline double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}
