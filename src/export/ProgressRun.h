#pragma once
// Starts a Progress and finishes it however the work ends.

#include "io/Progress.h"

namespace zol {

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
