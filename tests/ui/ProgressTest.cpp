// The tool-bar gauge as the progress of long work.
#include "EditorFixture.h"

#include "io/Progress.h"
#include "ui/PaintBox.h"

#include <QApplication>
#include <QProgressBar>
#include <QToolBar>

namespace zol::test {
namespace {

class Gauge : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->show();
    }
    bool Shown() const { return ToolBarGauge().isVisible(); }
};

TEST_F(Gauge, ShowsOnStartFollowsTheStepsAndHidesOnFinish)
{
    ASSERT_FALSE(Shown());
    Progress& progress = form->progress();
    progress.Start(40);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(ToolBarGauge().maximum(), 40);
    EXPECT_EQ(ToolBarGauge().value(), 0);
    progress.Step(25);
    EXPECT_EQ(ToolBarGauge().value(), 25);
    progress.Finish();
    EXPECT_FALSE(Shown());

    progress.Start(3);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(ToolBarGauge().value(), 0) << "a second run starts from nothing";
    progress.Finish();
}

// Between steps the window repaints what is pending, so it does not look hung.
TEST_F(Gauge, StepsLetTheWindowRepaint)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    QApplication::processEvents();
    BoardBox().installEventFilter(&counter);

    Progress& progress = form->progress();
    progress.Start(2);
    BoardBox().update();
    progress.Step(1);
    EXPECT_GT(counter.paints, 0);
    progress.Finish();
    BoardBox().removeEventFilter(&counter);
}

} // namespace
} // namespace zol::test
