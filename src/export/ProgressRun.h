#pragma once
// Starts a Progress and finishes it however the work ends.

#include "io/Progress.h"

#include <algorithm>

namespace zol {

// The gauge moves in steps of about a hundredth, not for every figure.
inline bool GaugeStep(int done, int total) { return done == total || done % std::max(1, total / 100) == 0; }

class ProgressRun {
public:
    ProgressRun(Progress& progress, int maximum) : progress_(progress) { progress_.Start(maximum); }
    ~ProgressRun() { progress_.Finish(); }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;
    void Step(int position) { progress_.Step(position); }

private:
    Progress& progress_;
};

} // namespace zol
