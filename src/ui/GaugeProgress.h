#pragma once
// Long work shown in the tool bar's gauge: visible while the work runs.

#include "io/Progress.h"

class QAction;
class QProgressBar;

namespace zol {

class GaugeProgress final : public Progress {
public:
    // `item` is the tool-bar entry that shows or hides the gauge.
    GaugeProgress(QProgressBar* gauge, QAction* item) : gauge_(gauge), item_(item) {}
    void Start(int maximum) override;
    void Step(int position) override;
    void Finish() override;

private:
    QProgressBar* gauge_;
    QAction* item_;
};

} // namespace zol
