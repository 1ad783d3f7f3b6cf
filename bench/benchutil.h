// What every benchmark needs: the process's CPU time and a progress that nobody cancels.
#pragma once

#include "link/progress.h"

#include <ctime>

namespace bench {

inline double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

class NoProgress : public Progress {
public:
    void setRange(int, int) override {}
    void setValue(int) override {}
    bool wasCanceled() const override { return false; }
};

} // namespace bench
