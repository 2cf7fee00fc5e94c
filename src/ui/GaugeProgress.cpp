#include "ui/GaugeProgress.h"

#include <QAction>
#include <QCoreApplication>
#include <QProgressBar>

namespace zol {

namespace {

void Repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace

GaugeProgress::GaugeProgress(QProgressBar& gauge, QAction& item) : gauge_(gauge), item_(item) {}

void GaugeProgress::Start(int maximum)
{
    gauge_.setRange(0, maximum);
    gauge_.setValue(0);
    item_.setVisible(true);
    Repaint();
}

void GaugeProgress::Step(int position)
{
    gauge_.setValue(position);
    Repaint();
}

void GaugeProgress::Finish()
{
    item_.setVisible(false);
    gauge_.reset();
    Repaint();
}

} // namespace zol
