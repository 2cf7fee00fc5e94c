#include "EditorFixture.h"

#include "ui/DisplayText.h"
#include "io/AppPaths.h"
#include "ui/PaintBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <QLabel>

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

QPoint EditorFixture::Origin() const { return form->pb1->mapToGlobal(QPoint(0, 0)); }

void EditorFixture::PressBoard(Qt::MouseButton button, QPoint at)
{
    pointer.pos = Origin() + at;
    SendMouse(form->pb1, QEvent::MouseButtonPress, button, at);
}

void EditorFixture::ReleaseBoard(Qt::MouseButton button, QPoint at)
{
    // The pointer stays where the press (or the program) left it.
    SendMouse(form->pb1, QEvent::MouseButtonRelease, button, at);
}

void EditorFixture::ClickBoard(QPoint at, Qt::MouseButton button)
{
    PressBoard(button, at);
    ReleaseBoard(button, at);
}

void EditorFixture::MovePointer(QPoint delta)
{
    pointer.pos += delta;
    SendMouse(form->pb1, QEvent::MouseMove, Qt::NoButton, pointer.pos - Origin());
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
    form->editor().model.SetCurrentFigure(figure);
    form->RedrawBoardFollowingGuide();
    form->ShowCaption();
    form->editor().PushUndo();
    form->UpdateCommandState();
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
        form->ShowCaption();
        SelectRow(-1);
        form->EditAdd->trigger();
        // Appending selects row 0; keep adding at the end.
    }
}

void EditorFixture::AppendFigureLines(const std::vector<std::string>& added)
{
    TangramModel& model = form->editor().model;
    std::vector<std::string> lines = model.figureLines();
    lines.insert(lines.end(), added.begin(), added.end());
    model.SetFigureLines(std::move(lines), model.documentEncoding());
    form->RefreshListRows(0, model.figureCount());
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
    const QPoint at = form->List->rowRect(row).center();
    SendMouse(form->List->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(form->List->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

void EditorFixture::DoubleClickRow(int row)
{
    const QPoint at = form->List->rowRect(row).center();
    ClickRow(row);
    SendMouse(form->List->viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, at);
    SendMouse(form->List->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

void EditorFixture::SelectRow(int row) { form->List->selectRow(row); }

int EditorFixture::SelectedRow() const { return form->List->selectedRow(); }

QStringList EditorFixture::Rows() const
{
    QStringList rows;
    for (int i = 0; i < form->List->rowCount(); ++i)
        rows << form->List->rowText(i);
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
    SendMouse(form->ToolButtonAdd, QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5));
}

void EditorFixture::ShowTableOf(int row)
{
    ClickRow(row);
    form->ToolButtonShowTable->trigger();
}

bool EditorFixture::TableShown() const { return form->ToolButtonShowTable->isChecked(); }

QString EditorFixture::CaptionShown() const { return form->CaptionInput->text(); }

QString EditorFixture::FigureCountShown() const { return form->StatusPanels[2]->text(); }

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
