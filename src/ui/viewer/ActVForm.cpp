#include "ui/viewer/ActVForm.h"

#include "io/TextCodec.h"
#include "model/Random.h"
#include "model/TangramModel.h"
#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"
#include "ui/Fonts.h"
#include "ui/PaintBox.h"

#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace zol {

namespace {

constexpr int TickMs = 50;
const QColor Playing(255, 0, 0);  // 0x0000FF
const QColor Paused(128, 0, 0);   // maroon, 0x000080
// The window follows the pointer held at this offset from its corner.
constexpr QPoint MoveGrip(8, 80);

QLabel* MakeLabel(const QString& text, QPoint at, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

void SetTextColour(QLabel* label, QColor colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

// Both pictures are the project's own; the hint names the picture.
const QString Credit = QStringLiteral("Zol editor project");

QString CreditHintFor(Photo photo)
{
    return (photo == Photo::A ? TActVForm::tr("photoA.jpg: 和紙の地紋") : TActVForm::tr("photoB.jpg: 水墨の空")) +
           TActVForm::tr("（画: Zol editor project）");
}

} // namespace

TActVForm::TActVForm(const TangramModel& document, int selected, const QString& dataFolder, bool antialias,
                     Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), document_(document), dialogs_(dialogs),
      animation_(document, selected), canvas_(document), antialias_(antialias)
{
    setWindowTitle(QStringLiteral("Acitve Viewer"));
    setFont(PixelFont(GothicP, 12));
    CreateControls();

    // Leaving the program pauses the show, coming back plays it.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            AppActivate();
        else
            AppDeactivate();
    });

    FilenameArea->setText(QFileInfo(DocumentPathText(document)).completeBaseName());
    FilenameArea->adjustSize();
    PrepareBackground(document, dataFolder);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    SetPlaying(true);
}

TActVForm::~TActVForm() = default;

void TActVForm::CreateControls()
{
    setFixedSize(433, 169);
    setMaximumSize(537, 627);

    Panel1 = new QLabel(QStringLiteral("¶"), this);
    Panel1->setFont(Bold(font()));
    Panel1->setGeometry(0, 0, 25, 169);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setToolTip(tr("クリックして移動"));

    OKButton = new QPushButton(QStringLiteral("×"), Panel1);
    OKButton->setFont(Bold(font()));
    OKButton->setGeometry(1, 2, 18, 17);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(31, 8, 386, 145);

    PaintBoxArea = new PaintBox(canvas_.picture(), QSize(GuideSize, GuideSize), this);
    PaintBoxArea->move(40, 16);
    connect(PaintBoxArea, &PaintBox::mouseReleased, this, [this](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton)
            PaintBoxClick();
    });

    FilenameArea = MakeLabel(QString(), {176, 17}, PixelFont(GothicP, 21), this);
    SetTextColour(FilenameArea, Qt::black);
    FilenameArea->setToolTip(tr("只今再生中のzolファイル"));

    Number = MakeLabel(QStringLiteral("Number"), {224, 90}, Bold(PixelFont(GothicP, 11)), this);
    Number->setAutoFillBackground(true);
    QPalette numberColours = Number->palette();
    numberColours.setColor(QPalette::WindowText, Qt::white);
    numberColours.setColor(QPalette::Window, Qt::black);
    Number->setPalette(numberColours);

    CaptionArea = MakeLabel(QStringLiteral("title"), {224, 103}, PixelFont(GothicP, 16), this);

    PlayAndPause = MakeLabel(QStringLiteral("●"), {189, 99}, PixelFont(Gothic, 16), this);
    PlayAndPause->setToolTip(tr("ストップ／再生"));

    const QColor buttonFace = palette().color(QPalette::Button);
    StepBack = MakeLabel(QStringLiteral("▲"), {179, 89}, PixelFont(GothicP, 11), this);
    StepBack->setToolTip(tr("一つ進む"));
    SetTextColour(StepBack, buttonFace);
    GoForward = MakeLabel(QStringLiteral("▼"), {204, 108}, PixelFont(GothicP, 11), this);
    GoForward->setToolTip(tr("一つ戻る"));
    SetTextColour(GoForward, buttonFace);

    QFont italic = PixelFont(GothicP, 12);
    italic.setItalic(true);
    CreditArea = MakeLabel(QString(), {312, 139}, italic, this);
    CreditArea->setToolTip(tr("クレジット"));

    for (QWidget* w : std::initializer_list<QWidget*>{Panel1, PlayAndPause, StepBack, GoForward})
        w->installEventFilter(this);
    Panel1->raise();

    Timer = new QTimer(this);
    Timer->setInterval(TickMs);
    connect(Timer, &QTimer::timeout, this, &TActVForm::TimerTimer);
}

void TActVForm::PrepareBackground(const TangramModel& document, const QString& dataFolder)
{
    const QString path = document.hasDocumentFile() ? DocumentPathText(document) : QString();
    background_ = LoadViewerBackground(path, dataFolder, NextRandom());
    animation_.SetPictureLoaded(!background_.picture.isNull());
    if (background_.photo != Photo::None) {
        CreditArea->setText(Credit);
        CreditArea->setToolTip(CreditHintFor(background_.photo));
        CreditArea->adjustSize();
        CreditArea->setVisible(true);
    } else {
        CreditArea->setText(QString());
        CreditArea->setToolTip(QString());
    }
}

void TActVForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The sheet with its dotted edge over a black drop shadow. The sheet is
    // white-like (the base colour) so that the step arrows in the button
    // face colour stand out, as on the other tool windows.
    painter.fillRect(25, 0, 408, 169, Qt::black);
    painter.fillRect(0, 0, 425, 161, palette().color(QPalette::Base));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(0, 0, 424, 160);
}

bool TActVForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    if (watched == Panel1)
        Panel1Click();
    else if (watched == PlayAndPause)
        PlayAndPauseClick();
    else if (watched == StepBack)
        GoForwardMouseUp(); // "▲" goes forward, as its hint says
    else if (watched == GoForward)
        StepBackMouseUp();
    return true;
}

void TActVForm::Guarded(const std::function<void()>& handler)
{
    // A tick that fails would fail again 50 ms later: stop before telling.
    RunGuarded(dialogs_, [&] {
        try {
            handler();
        } catch (...) {
            SetPlaying(false);
            moving_ = false;
            throw;
        }
    });
}

bool TActVForm::playing() const { return Timer->isActive(); }

void TActVForm::SetTimer(bool on)
{
    if (on)
        Timer->start();
    else
        Timer->stop();
    if (animation_.playing() != on)
        animation_.TogglePlay();
}

void TActVForm::SetPlaying(bool on)
{
    SetTimer(on);
    SetTextColour(PlayAndPause, on ? Playing : Paused);
}

void TActVForm::ShowLabels()
{
    const QString caption = DecodeText(animation_.caption(), document_.documentEncoding());
    const QString number = QString::fromStdString(animation_.number());
    if (caption != CaptionArea->text()) {
        CaptionArea->setText(caption);
        CaptionArea->adjustSize();
    }
    if (number != Number->text()) {
        Number->setText(number);
        Number->adjustSize();
    }
}

void TActVForm::Redraw()
{
    canvas_.Draw(animation_.shown(), animation_.pictureShown() ? &background_.picture : nullptr, antialias_);
    PaintBoxArea->update();
}

void TActVForm::TimerTimer()
{
    Guarded([this] {
        if (moving_) {
            move(QCursor::pos() - MoveGrip);
            if (!savedPlayState_)
                return;
        }
        const bool draw = animation_.Tick();
        ShowLabels();
        if (draw)
            Redraw();
    });
}

void TActVForm::PlayAndPauseClick() { SetPlaying(!playing()); }

void TActVForm::GoForwardMouseUp()
{
    Guarded([this] {
        const bool draw = animation_.GoForward();
        ShowLabels();
        if (draw)
            Redraw();
    });
}

void TActVForm::StepBackMouseUp()
{
    Guarded([this] {
        const bool draw = animation_.StepBack();
        ShowLabels();
        if (draw)
            Redraw();
    });
}

void TActVForm::PaintBoxClick()
{
    if (!animation_.pictureLoaded())
        return;
    const bool draw = animation_.TogglePicture();
    CreditArea->setVisible(animation_.pictureShown());
    if (draw)
        Redraw();
}

void TActVForm::Panel1Click()
{
    // While moving, the timer runs to let the window follow the pointer; the
    // pieces move only if the show was playing.
    moving_ = !moving_;
    if (moving_) {
        savedPlayState_ = playing();
        SetTimer(true);
    } else {
        SetTimer(savedPlayState_);
    }
}

void TActVForm::AppActivate()
{
    if (!playing())
        PlayAndPauseClick();
}

void TActVForm::AppDeactivate()
{
    if (playing())
        PlayAndPauseClick();
}

} // namespace zol
