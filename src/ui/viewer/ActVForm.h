#pragma once
// The active viewer: a small borderless window that plays the document's
// figure list as a slide show, 20 ticks a second. Clicks pause and play it,
// step one figure forward or back, switch the background picture, or let the
// window follow the pointer. It reads the document and never changes it.

#include "io/ViewerBackground.h"
#include "model/ViewerAnimation.h"
#include "model/ViewerPicture.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace zol {

class Dialogs;
class PaintBox;
class TangramModel;

class TActVForm : public QDialog {
    Q_OBJECT
public:
    // Starts from list figure `selected` (the first when none is selected);
    // the program's photographs are looked for in `dataFolder`. The document
    // must hold at least one figure.
    TActVForm(const TangramModel& document, int selected, const QString& dataFolder, bool antialias,
              Dialogs& dialogs, QWidget* parent = nullptr);
    ~TActVForm() override;

    // --- handlers --------------------------------------------------------
    void TimerTimer();
    void PlayAndPauseClick();
    void GoForwardMouseUp();
    void StepBackMouseUp();
    void PaintBoxClick();
    void Panel1Click();
    void AppActivate();
    void AppDeactivate();

    bool playing() const;
    bool moving() const { return moving_; }
    const ViewerAnimation& animation() const { return animation_; }
    const QImage& picture() const { return canvas_.picture(); }

    // --- controls ------------------------------------------------------------
    QLabel* Panel1 = nullptr;
    QPushButton* OKButton = nullptr;
    QFrame* Bevel1 = nullptr;
    PaintBox* PaintBoxArea = nullptr;
    QLabel* FilenameArea = nullptr;
    QLabel* Number = nullptr;
    QLabel* CaptionArea = nullptr;
    QLabel* PlayAndPause = nullptr;
    QLabel* StepBack = nullptr;  // "▲", one figure forward
    QLabel* GoForward = nullptr; // "▼", one figure back
    QLabel* CreditArea = nullptr;
    QTimer* Timer = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void PrepareBackground(const TangramModel& document, const QString& dataFolder);
    void SetTimer(bool on);
    void SetPlaying(bool on); // the timer, and the colour of "●"
    void ShowLabels();
    void Redraw();
    // Runs a handler; a figure that cannot be read pauses and is reported.
    void Guarded(const std::function<void()>& handler);

    const TangramModel& document_;
    Dialogs& dialogs_;
    ViewerAnimation animation_;
    ViewerCanvas canvas_;
    ViewerBackground background_;
    bool antialias_;
    bool moving_ = false;
    bool savedPlayState_ = false;
};

} // namespace zol
