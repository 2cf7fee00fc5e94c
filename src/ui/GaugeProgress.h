#pragma once
// The tool-bar gauge as the progress of long work: it shows on Start, follows
// the steps and hides on Finish. Between steps the window repaints, so it
// does not look hung, but takes no input that could start another command.

#include "io/Progress.h"

class QAction;
class QProgressBar;

namespace zol {

class GaugeProgress final : public Progress {
public:
    // `gauge` sits in a tool bar as `item`, which shows or hides it.
    GaugeProgress(QProgressBar& gauge, QAction& item);

    void Start(int maximum) override;
    void Step(int position) override;
    void Finish() override;

private:
    QProgressBar& gauge_;
    QAction& item_;
};

} // namespace zol
