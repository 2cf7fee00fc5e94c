#include "ui/GaugeProgress.h"

#include <QAction>
#include <QProgressBar>

namespace zol {

void GaugeProgress::Start(int maximum)
{
    gauge_->setMaximum(maximum);
    gauge_->setValue(0);
    item_->setVisible(true);
    gauge_->repaint();
}

void GaugeProgress::Step(int position)
{
    // The work holds the event loop, so the gauge is painted at once.
    gauge_->setValue(position);
    gauge_->repaint();
}

void GaugeProgress::Finish() { item_->setVisible(false); }

} // namespace zol
