#include "EditorFixture.h"

#include "ui/DisplayText.h"
#include "io/AppPaths.h"
#include "ui/ShapeWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace zol::test {

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void EditorFixture::SetUp()
{
    ASSERT_TRUE(programDir.isValid());
    SetProgramFolder(programDir.path());
    PrepareProgramFolder();
    StartWindow();
}

void EditorFixture::TearDown()
{
    form.reset();
    SetProgramFolder({});
}

void EditorFixture::StartWindow(const QStringList& arguments)
{
    form.reset();
    form = std::make_unique<TZolForm>(dialogs, pointer, arguments);
    ASSERT_FALSE(form->startupFailed());
    form->show();
}

void EditorFixture::Run(const QString& name) { Action(name).trigger(); }

QAction& EditorFixture::Action(const QString& name) const { return Control<QAction>(name); }

QString EditorFixture::WriteFile(const QString& relative, const std::string& bytes) const
{
    const QString path = ProgramPath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

std::string EditorFixture::ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

QString EditorFixture::CopyFixture(const char* fixture, const QString& relative) const
{
    return WriteFile(relative, ReadBytes(QStringLiteral(IO_FIXTURES "/") + QString::fromUtf8(fixture)));
}

QString EditorFixture::CopyData(const char* data, const QString& relative) const
{
    return WriteFile(relative, ReadBytes(QStringLiteral(DATA_FOLDER "/") + QString::fromUtf8(data)));
}

QPoint EditorFixture::Origin() const { return BoardBox().mapToGlobal(QPoint(0, 0)); }

void EditorFixture::PressBoard(Qt::MouseButton button, QPoint at)
{
    pointer.pos = Origin() + at;
    SendMouse(&BoardBox(), QEvent::MouseButtonPress, button, at);
}

void EditorFixture::ReleaseBoard(Qt::MouseButton button, QPoint at)
{
    // The pointer stays where the press (or the program) left it.
    SendMouse(&BoardBox(), QEvent::MouseButtonRelease, button, at);
}

void EditorFixture::ClickBoard(QPoint at, Qt::MouseButton button)
{
    PressBoard(button, at);
    ReleaseBoard(button, at);
}

void EditorFixture::MovePointer(QPoint delta)
{
    pointer.pos += delta;
    SendMouse(&BoardBox(), QEvent::MouseMove, Qt::NoButton, pointer.pos - Origin());
}

QPoint EditorFixture::SpreadPivot(int piece) { return {60 + 130 * (piece % 4), 70 + 200 * (piece / 4)}; }

Figure EditorFixture::Spread() const
{
    Figure f = form->editor().model.GetCurrentFigure();
    for (int i = 0; i < form->editor().model.pieceCount(); ++i) {
        f.x[i] = SpreadPivot(i).x();
        f.y[i] = SpreadPivot(i).y();
        f.angle[i] = 0;
        f.flip[i] = 1.0;
    }
    return f;
}

void EditorFixture::PlaceOnBoard(const Figure& figure)
{
    Editor& editor = form->editor();
    editor.model.SetCurrentFigure(figure);
    editor.DrawBoardFollowingGuide();
    editor.PushUndo();
    form->ShowEditor();
}

QImage EditorFixture::DrawnBoard()
{
    QImage image(BoardSize, BoardSize, QImage::Format_RGB32);
    form->editor().model.DrawFigure(BoardFigure, 1.0, image, Background::Fill);
    return image;
}

Figure EditorFixture::Shifted(int shift, const QString& caption) const
{
    Figure f = form->editor().model.startFigure();
    for (int i = 0; i < form->editor().model.pieceCount(); ++i)
        f.x[i] += shift;
    f.caption = *CaptionBytes(form->editor().model, caption);
    return f;
}

void EditorFixture::AddFigures(const QStringList& captions)
{
    for (const QString& caption : captions) {
        form->editor().model.SetCurrentFigure(Shifted(10 * form->editor().model.figureCount() + 10, caption));
        form->ShowEditor();
        SelectRow(-1);
        Run("EditAdd");
        // Appending selects row 0; keep adding at the end.
    }
}

void EditorFixture::AppendFigureLines(const std::vector<std::string>& added)
{
    TangramModel& model = form->editor().model;
    std::vector<std::string> lines = model.figureLines();
    lines.insert(lines.end(), added.begin(), added.end());
    model.SetFigureLines(std::move(lines), model.documentEncoding());
    form->ShowEditor();
}

void EditorFixture::AddBrokenFigure(const QString& caption)
{
    AppendFigureLines({*CaptionBytes(form->editor().model, caption), "1,2,x"});
}

void EditorFixture::FillList(int count)
{
    const std::string placement = form->editor().model.FormatPlacementLine();
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(std::to_string(i));
        lines.push_back(placement);
    }
    AppendFigureLines(lines);
}

void EditorFixture::ClickRow(int row)
{
    const QPoint at = List().rowRect(row).center();
    SendMouse(List().viewport(), QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(List().viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

void EditorFixture::DoubleClickRow(int row)
{
    const QPoint at = List().rowRect(row).center();
    ClickRow(row);
    SendMouse(List().viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, at);
    SendMouse(List().viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

void EditorFixture::SelectRow(int row) { List().selectRow(row); }

int EditorFixture::SelectedRow() const
{
    const int row = form->editor().view.selectedRow;
    EXPECT_EQ(List().selectedRow(), row) << "the list shows the editor's selected row";
    return row;
}

QStringList EditorFixture::Rows() const
{
    QStringList rows;
    for (int i = 0; i < List().rowCount(); ++i)
        rows << List().rowText(i);
    return rows;
}

QStringList EditorFixture::ModelCaptions() const
{
    QStringList captions;
    for (int i = 0; i < form->editor().model.figureCount(); ++i)
        captions << CaptionText(form->editor().model, i);
    return captions;
}

void EditorFixture::RightClickAddButton()
{
    SendMouse(&Control(QStringLiteral("ToolButtonAdd")), QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5));
}

void EditorFixture::ShowTableOf(int row)
{
    ClickRow(row);
    Run("ToolButtonShowTable");
}

bool EditorFixture::TableShown() const
{
    const bool shown = form->editor().view.tableShown;
    EXPECT_EQ(Action("ToolButtonShowTable").isChecked(), shown) << "the check mark shows the table view";
    return shown;
}

QString EditorFixture::CaptionShown() const { return Control<QLineEdit>(QStringLiteral("CaptionInput")).text(); }

QColor EditorFixture::GuideFrameShown() const
{
    return static_cast<ShapeWidget&>(Control(QStringLiteral("Shape1"))).penColor();
}

QString EditorFixture::StatusShown(int panel) const
{
    return Control<QLabel>(QStringLiteral("StatusPanel%1").arg(panel)).text();
}

void EditorFixture::Type(QWidget* widget, const QString& text)
{
    for (const uint code : text.toUcs4()) {
        const QString key = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &release);
    }
}

QStringList EditorFixture::Shown(ScriptedDialogs::Kind kind) const
{
    QStringList out;
    for (const QString& text : dialogs.texts(kind))
        out << text;
    return out;
}

} // namespace zol::test
