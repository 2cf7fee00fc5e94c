// The active viewer window: opened from the main window and closed again,
// and its clicks, activation hooks and moving mode.
#include "EditorFixture.h"

#include "model/ViewerAnimation.h"
#include "ui/FigureListBox.h"
#include "ui/PaintBox.h"
#include "ui/viewer/ActVForm.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace zol::test {
namespace {

void Click(QWidget* widget)
{
    const QPoint at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

class ActiveViewer : public EditorFixture {
protected:
    std::unique_ptr<TActVForm> Viewer(int selected, const QString& dataFolder = {})
    {
        return std::make_unique<TActVForm>(form->editor().model, selected, dataFolder.isEmpty() ? programDir.path() : dataFolder,
                                           true, dialogs, form.get());
    }
    static void Ticks(TActVForm& v, int n)
    {
        for (int k = 0; k < n; ++k)
            v.TimerTimer();
    }
};

TEST_F(ActiveViewer, OpensFromTheMenuAndLeavesTheMainWindowAsItWas)
{
    AddFigures({"A", "B", "C", "D"});
    ClickRow(2);
    Run("ToolButtonShowTable");
    const QImage board = form->editor().boardBitmap;
    const QImage guide = form->editor().guideBitmap;
    const std::vector<std::string> lines = form->editor().model.figureLines();
    const Figure current = form->editor().model.GetCurrentFigure();
    form->editor().model.setModified(false);
    form->ShowEditor();

    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* viewer = qobject_cast<TActVForm*>(QApplication::activeModalWidget());
        ASSERT_NE(viewer, nullptr);
        seen = true;
        EXPECT_FALSE(form->isVisible()) << "the main window steps aside";
        EXPECT_TRUE(viewer->Timer->isActive());
        EXPECT_EQ(viewer->Timer->interval(), 50);
        EXPECT_EQ(viewer->size(), QSize(433, 169));
        EXPECT_EQ(viewer->FilenameArea->text(), QStringLiteral("新しいファイル"));
        EXPECT_EQ(viewer->animation().next(), 3) << "from the selected figure";
        Ticks(*viewer, 6);
        EXPECT_EQ(viewer->Number->text(), QStringLiteral("4/4"));
        EXPECT_EQ(viewer->CaptionArea->text(), QStringLiteral("D"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(viewer, &enter);
    });
    Run("OptActiveViewer");
    ASSERT_TRUE(seen);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->editor().boardBitmap, board);
    EXPECT_EQ(form->editor().guideBitmap, guide);
    EXPECT_TRUE(Action("ToolButtonShowTable").isChecked());
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(form->editor().model.figureLines(), lines);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), current);
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_FALSE(form->windowTitle().contains(QStringLiteral("（変更）")));
}

// The step arrows are drawn in the button face colour: the sheet under them
// must be another colour for them to be seen.
TEST_F(ActiveViewer, StepArrowsStandOutFromTheSheet)
{
    AddFigures({"A", "B"});
    const auto viewer = Viewer(0);
    viewer->Timer->stop();
    const QImage shown = viewer->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = viewer->palette().color(QPalette::Button).rgb();
    for (QLabel* arrow : {viewer->StepBack, viewer->GoForward}) {
        const QRect r = arrow->geometry();
        const QRgb sheet = shown.pixel(r.topLeft() + QPoint(0, 1));
        EXPECT_NE(sheet, face) << arrow->text().toStdString() << ": the sheet is the arrow's colour";
        int arrowPixels = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                arrowPixels += shown.pixel(x, y) == face;
        EXPECT_GT(arrowPixels, 10) << arrow->text().toStdString();
    }
}

TEST_F(ActiveViewer, ClicksPauseStepAndPlay)
{
    AddFigures({"A", "B", "C"});
    auto v = Viewer(0);
    EXPECT_EQ(v->CaptionArea->text(), QStringLiteral("title"));
    EXPECT_EQ(v->Number->text(), QStringLiteral("Number"));
    EXPECT_EQ(v->PlayAndPause->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    Ticks(*v, 10);
    const QImage moving = v->picture();
    Ticks(*v, 1);
    EXPECT_NE(v->picture(), moving) << "the picture follows the pieces";

    Click(v->PlayAndPause);
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_EQ(v->PlayAndPause->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    Click(v->StepBack); // "▲": paused early in a motion, the figure moved to
    EXPECT_EQ(v->CaptionArea->text(), QStringLiteral("B"));
    EXPECT_EQ(v->Number->text(), QStringLiteral("2/3"));
    const QImage still = v->picture();
    Click(v->GoForward); // "▼": on a still, the figure before it
    EXPECT_EQ(v->CaptionArea->text(), QStringLiteral("A"));
    EXPECT_NE(v->picture(), still) << "a still is drawn at once";

    Click(v->PlayAndPause);
    EXPECT_TRUE(v->Timer->isActive());
}

TEST_F(ActiveViewer, SwitchingProgramsPausesAndComingBackPlays)
{
    AddFigures({"A", "B"});
    auto v = Viewer(0);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(v->Timer->isActive());
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(v->Timer->isActive());
    Click(v->PlayAndPause);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(v->Timer->isActive()) << "coming back plays, even after a pause by hand";
}

TEST_F(ActiveViewer, PictureClickSwitchesTheBackgroundAndItsCredit)
{
    AddFigures({"A", "B"});
    QFile::copy(QStringLiteral(DATA_FOLDER "/photoA.jpg"), ProgramPath("photoA.jpg"));
    QFile::copy(QStringLiteral(DATA_FOLDER "/photoB.jpg"), ProgramPath("photoB.jpg"));
    auto v = Viewer(0);
    ASSERT_TRUE(v->animation().pictureShown());
    EXPECT_FALSE(v->CreditArea->text().isEmpty());
    EXPECT_TRUE(v->CreditArea->text().contains(QStringLiteral("Zol editor")));
    Click(v->PlayAndPause);
    Click(v->StepBack);
    const QImage withPicture = v->picture();
    Click(v->PaintBoxArea);
    EXPECT_FALSE(v->animation().pictureShown());
    EXPECT_TRUE(v->CreditArea->isHidden());
    EXPECT_NE(v->picture(), withPicture);
    EXPECT_EQ(v->picture().pixel(0, 0), qRgb(0, 0, 0)) << "the palette's background";
}

TEST_F(ActiveViewer, WithoutPictureAClickChangesNothing)
{
    AddFigures({"A", "B"});
    auto v = Viewer(0, ProgramPath("nowhere"));
    EXPECT_TRUE(v->CreditArea->text().isEmpty());
    EXPECT_TRUE(v->CreditArea->toolTip().isEmpty());
    Click(v->PlayAndPause);
    Click(v->StepBack);
    const QImage before = v->picture();
    Click(v->PaintBoxArea);
    EXPECT_EQ(v->picture(), before);
    EXPECT_FALSE(v->animation().pictureShown());
}

TEST_F(ActiveViewer, MovingModeFollowsThePointerAndKeepsThePause)
{
    AddFigures({"A", "B"});
    auto v = Viewer(0);
    Click(v->PlayAndPause);
    Click(v->Panel1);
    EXPECT_TRUE(v->moving());
    EXPECT_TRUE(v->Timer->isActive()) << "the timer moves the window";
    const float t = v->animation().t();
    v->TimerTimer();
    EXPECT_EQ(v->pos(), QCursor::pos() - QPoint(8, 80));
    EXPECT_EQ(v->animation().t(), t) << "paused pieces stay paused while moving";
    Click(v->Panel1);
    EXPECT_FALSE(v->moving());
    EXPECT_FALSE(v->Timer->isActive());
}

TEST_F(ActiveViewer, UnreadableFigurePausesAndIsReported)
{
    AddFigures({"A", "B"});
    AddBrokenFigure(QStringLiteral("bad"));
    auto v = Viewer(0);
    Ticks(*v, 140); // the next pair ends with the broken figure
    EXPECT_FALSE(v->Timer->isActive());
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Error).size(), 1);
}

} // namespace
} // namespace zol::test
