// Construction of the main window: its controls and their places.
#include "ui/ZolForm.h"

#include "model/Random.h"
#include "ui/AppTitle.h"
#include "ui/Dialogs.h"
#include "ui/EncodableTextValidator.h"
#include "ui/FigureListBox.h"
#include "ui/GaugeProgress.h"
#include "ui/Fonts.h"
#include "ui/PaintBox.h"
#include "ui/ShapeWidget.h"
#include "ui/ShortcutKeeper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace zol {

namespace {

// Reports presses of one mouse button on a widget, which keeps them otherwise.
class PressFilter : public QObject {
public:
    PressFilter(QObject* parent, Qt::MouseButton button, std::function<void()> onPress)
        : QObject(parent), button_(button), onPress_(std::move(onPress))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == button_)
            onPress_();
        return false;
    }

private:
    Qt::MouseButton button_;
    std::function<void()> onPress_;
};

} // namespace

TZolForm::TZolForm(Dialogs& dialogs, BoardPointer& pointer, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), prompter_(dialogs), pointer_(pointer)
{
    if (arguments.size() == 1)
        commandLineDocument_.emplace(arguments.front());
    setObjectName(QStringLiteral("ZolForm"));
    setWindowTitle(AppTitle());
    setFont(PixelFont(GothicP, 12));
    // Tool bars stay where they are; no menu to hide them behind the user's back.
    setContextMenuPolicy(Qt::NoContextMenu);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    ConnectEvents();
    new ShortcutKeeper(this);
    FormCreate();
}

TZolForm::~TZolForm()
{
    // The caption field loses the focus while the widgets are destroyed, after
    // the members are gone; its validator and handlers must not reach them.
    CaptionInput->setValidator(nullptr);
    CaptionInput->disconnect(this);
}

void TZolForm::CreateControls()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->setWidgetResizable(false);
    ScrollContent = new QWidget;
    ScrollContent->setObjectName(QStringLiteral("ScrollContent"));
    ScrollBox1->setWidget(ScrollContent);
    setCentralWidget(ScrollBox1);

    auto* bevel = new QFrame(ScrollContent);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setFixedSize(521, 521);
    Bevel1 = bevel;

    Shape1 = new ShapeWidget(QSize(136, 136), false, ScrollContent);
    Shape1->setBrushColor(palette().color(QPalette::Window));
    Shape2 = new ShapeWidget(QSize(417, 22), true, ScrollContent);
    Shape2->setBrushColor(palette().color(QPalette::Base));
    Shape2->setPenColor(palette().color(QPalette::Dark));

    pb1 = new PaintBox(editor_.boardBitmap, QSize(BoardSize, BoardSize), ScrollContent);
    pb2 = new PaintBox(editor_.guideBitmap, QSize(GuideSize + 1, GuideSize + 1), ScrollContent);

    GuideLock = new QCheckBox(QStringLiteral("Guide Lock"), ScrollContent);

    ToolBarList = new QToolBar(ScrollContent);
    ToolBarEdit = new QToolBar(ScrollContent);
    for (QToolBar* bar : {ToolBarList, ToolBarEdit}) {
        bar->setIconSize(QSize(16, 16));
        bar->setMovable(false);
        bar->setFloatable(false);
    }

    List = new FigureListBox(editor_.model, ScrollContent);
    List->setFixedSize(137, 356);
    List->setFont(PixelFont(MinchoP, 12));

    CaptionInput = new QLineEdit(ScrollContent);
    CaptionInput->setFrame(false);
    CaptionInput->setFixedSize(401, 18);
    CaptionInput->setFont(PixelFont(GothicP, 16));
    CaptionInput->setMaxLength(254);
    CaptionInput->setValidator(
        new EncodableTextValidator([this] { return editor_.model.documentEncoding(); }, CaptionInput));

    const std::pair<QWidget*, const char*> names[] = {
        {Bevel1, "Bevel1"},         {Shape1, "Shape1"},   {Shape2, "Shape2"},
        {pb1, "pb1"},               {pb2, "pb2"},         {GuideLock, "GuideLock"},
        {ToolBarList, "ToolBarList"}, {List, "List"},     {ToolBarEdit, "ToolBarEdit"},
        {CaptionInput, "CaptionInput"},
    };
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));
    // Stacking: frames behind what they frame.
    Shape1->lower();
    Bevel1->lower();
    Shape2->stackUnder(CaptionInput);
}

void TZolForm::CreateStatusBar()
{
    const int widths[3] = {420, 128, 64};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(widths[i]);
        panel->setTextFormat(Qt::PlainText);
        statusBar()->addWidget(panel);
        StatusPanels[i] = panel;
    }
}

void TZolForm::ConnectEvents()
{
    connect(pb1, &PaintBox::mousePressed, this,
            [this](Qt::MouseButton b, QPoint at) { Guarded([&] { board_.MouseDown(b, at); }); });
    connect(pb1, &PaintBox::mouseMoved, this, [this](QPoint at) { Guarded([&] { board_.MouseMove(at); }); });
    connect(pb1, &PaintBox::mouseReleased, this,
            [this](Qt::MouseButton b, QPoint at) { Guarded([&] { board_.MouseUp(b, at); }); });

    connect(List, &FigureListBox::rowClicked, this, [this] { Guarded([&] { list_.RowClicked(); }); });
    connect(List, &FigureListBox::rowPressed, this, [this] { Guarded([&] { list_.DragStarted(); }); });
    connect(List, &FigureListBox::rowDoubleClicked, EditGoEdit, &QAction::trigger);
    connect(List, &FigureListBox::dragMoved, this, [this](QPoint p) { Guarded([&] { list_.DragMoved(p); }); });
    connect(List, &FigureListBox::dropped, this, [this] { Guarded([&] { list_.Dropped(); }); });
    connect(List, &FigureListBox::dragFinished, this, [this] { Guarded([&] { list_.DragEnded(); }); });
    // The selection a handler gives the list is the editor's already; one the
    // user gives it goes to the editor, and the commands follow at once.
    connect(List->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (handlerDepth_ == 0)
            Guarded([&] { list_.SelectionChanged(List->selectedRow()); });
    });
    connect(GuideLock, &QCheckBox::toggled, this, [this](bool locked) { editor_.view.guideLocked = locked; });

    connect(CaptionInput, &QLineEdit::textChanged, this, [this] { Guarded([&] { CaptionInputChange(); }); });
    const auto* validator = qobject_cast<const EncodableTextValidator*>(CaptionInput->validator());
    connect(validator, &EncodableTextValidator::refused, this, [this] {
        if (!assigningCaption_) // a caption shown as it is, not the user's input
            statusBar()->showMessage(QStringLiteral("文書の文字コードで表せない文字は入力できません。"), 4000);
    });
    connect(flipsensComboBox, &QComboBox::editTextChanged, this,
            [this] { Guarded([&] { flipsensComboBoxChange(); }); });
    connect(Copy1PercentageComboBox, &QComboBox::editTextChanged, this,
            [this] { Guarded([&] { Copy1PercentageComboBoxChange(); }); });
    // A box's hint takes the panels' place while the pointer is over it; a
    // choice from its list or typing ends with no leave event to take the
    // hint back, so the panels return here.
    for (QComboBox* box : {Copy1PercentageComboBox, flipsensComboBox}) {
        connect(box, &QComboBox::activated, statusBar(), &QStatusBar::clearMessage);
        connect(box, &QComboBox::editTextChanged, statusBar(), &QStatusBar::clearMessage);
    }

    // A right click on the add button switches between inserting and replacing.
    ToolButtonAdd->installEventFilter(
        new PressFilter(ToolButtonAdd, Qt::RightButton, [this] { Guarded([&] { list_.ToggleAddMode(); }); }));
}

void TZolForm::FormResize()
{
    if (!editor_.hasUndoRing())
        return;
    const QSize outer = frameGeometry().size();
    const int dy = outer.height() > 666 ? (outer.height() - 666) / 2 : 0;
    const int dx = outer.width() > 689 ? (outer.width() - 689) / 2 : 0;
    // Design places of the content controls, before centring.
    const std::pair<QWidget*, QPoint> places[] = {
        {Bevel1, {150, 31}},     {Shape1, {6, 5}},   {Shape2, {254, 7}},      {pb1, {154, 35}},
        {pb2, {10, 9}},          {GuideLock, {6, 143}}, {ToolBarList, {8, 173}}, {List, {6, 197}},
        {ToolBarEdit, {150, 6}}, {CaptionInput, {262, 10}},
    };
    QRect used;
    for (const auto& [control, at] : places) {
        control->adjustSize();
        control->move(at + QPoint(dx, dy));
        used |= control->geometry();
    }
    // The scroll box scrolls once the window is smaller than its content.
    ScrollContent->resize(used.right() + 5, used.bottom() + 5);
}

void TZolForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TZolForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    ResizeFrame();
    FormResize();
}

void TZolForm::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // A window manager that puts its frame around the window moves it; a
    // size changed since (by the user) is left alone.
    if (pendingFrameSize_.isEmpty() || !isVisible())
        return;
    if (size() == pendingFrameSize_)
        ResizeFrame();
    else
        pendingFrameSize_ = QSize();
}

} // namespace zol
