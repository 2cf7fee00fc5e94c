#pragma once
// A main window with scripted dialogs and a pointer of its own, the commands
// run by name, and the mouse and list gestures the tests perform on it.

#include "Printers.h"
#include "ui/BoardPointer.h"
#include "ui/FigureListBox.h"
#include "support/ScriptedDialogs.h"
#include "ui/ZolForm.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zol::test {

// The pointer as the board sees it. A pointer that refuses to be moved
// stands for platforms where programs cannot warp it.
class FakePointer : public BoardPointer {
public:
    QPoint Position() const override { return pos; }
    void MoveTo(QPoint screen) override
    {
        if (movable)
            pos = screen;
    }
    QPoint pos;
    bool movable = true;
};

class EditorFixture : public ::testing::Test {
protected:
    // Screen position of board pixel (0, 0): the fake pointer moves in the
    // board widget's screen coordinates.
    QPoint Origin() const;

    // Every window starts in a program folder of its own (for Zol.ini,
    // pltes and zols); a test fills it before the window is made by
    // overriding PrepareProgramFolder, or by calling StartWindow again.
    void SetUp() override;
    void TearDown() override;
    virtual void PrepareProgramFolder() {}
    // Destroys the window without closing it and makes a new one.
    void StartWindow(const QStringList& arguments = {});

    // --- commands --------------------------------------------------------------
    // Runs the command whose action is named `name`, as its menu item or key
    // does: a disabled command does nothing.
    void Run(const QString& name);
    // A command's action, for its enabled state, check mark and picture.
    QAction& Action(const QString& name) const;
    // A control of the window by its name, for tests about the control itself.
    template <class T = QWidget>
    T& Control(const QString& name) const
    {
        T* control = form->findChild<T*>(name);
        if (!control)
            throw std::logic_error("the window has no control " + name.toStdString());
        return *control;
    }

    // --- program folder ----------------------------------------------------------
    QString ProgramPath(const QString& relative) const { return programDir.filePath(relative); }
    QString WriteFile(const QString& relative, const std::string& bytes) const;
    static std::string ReadBytes(const QString& path);
    // A file of tests/io/fixtures or of the shipped data folder, copied.
    QString CopyFixture(const char* fixture, const QString& relative) const;
    QString CopyData(const char* data, const QString& relative) const;

    // --- board ---------------------------------------------------------------
    QWidget& BoardBox() const { return Control(QStringLiteral("pb1")); }
    void PressBoard(Qt::MouseButton button, QPoint at);
    void ReleaseBoard(Qt::MouseButton button, QPoint at);
    void ClickBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Moves the pointer by `delta` and reports the move to the board.
    void MovePointer(QPoint delta);
    // Where the pointer is, in board pixels.
    QPoint PointerOnBoard() const { return pointer.pos - Origin(); }
    // The pieces spread apart, piece i's pivot at SpreadPivot(i), no turn.
    Figure Spread() const;
    static QPoint SpreadPivot(int piece);
    // Puts `figure` on the board as a drop would: drawn, with an undo entry.
    void PlaceOnBoard(const Figure& figure);
    // The board bitmap as DrawFigure paints the board figure.
    QImage DrawnBoard();

    // --- list ----------------------------------------------------------------
    FigureListBox& List() const { return Control<FigureListBox>(QStringLiteral("List")); }
    // The board figure moved by `shift` pixels, with `caption`.
    Figure Shifted(int shift, const QString& caption) const;
    // Adds figures with these captions, each a different arrangement.
    void AddFigures(const QStringList& captions);
    // Appends a figure whose placement line cannot be read, as a merged
    // file may bring one.
    void AddBrokenFigure(const QString& caption);
    // Appends `count` figures at once, captioned "0", "1", ..., all in the
    // board's arrangement.
    void FillList(int count);
    void ClickRow(int row);
    void DoubleClickRow(int row);
    // Selects a row (-1: none) in the list box, with no click.
    void SelectRow(int row);
    // The editor's selected row, which the list box must show.
    int SelectedRow() const;
    QStringList Rows() const;
    QStringList ModelCaptions() const;
    // The add button's right click: insert mode becomes replace mode and back.
    void RightClickAddButton();
    // Clicks `row` and turns the table view on.
    void ShowTableOf(int row);
    // Whether the editor shows the table view, as the command's check mark must.
    bool TableShown() const;

    // --- what the window shows -------------------------------------------------
    QLineEdit* CaptionField() const { return &Control<QLineEdit>(QStringLiteral("CaptionInput")); }
    QString CaptionShown() const;
    // Status panel 0 names the document, 1 the piece set, 2 counts the figures.
    QString StatusShown(int panel) const;
    QString FigureCountShown() const { return StatusShown(2); }
    // The colour of the frame around the guide image.
    QColor GuideFrameShown() const;
    // The option tool bar's boxes (magnification, flip sensitivity) and the
    // main tool bar's gauge.
    QComboBox& Box(const char* name) const { return Control<QComboBox>(QLatin1String(name)); }
    QProgressBar& ToolBarGauge() const { return Control<QProgressBar>(QStringLiteral("ProgressBar")); }
    // Types `text` into `widget` key by key (characters beyond ASCII too).
    static void Type(QWidget* widget, const QString& text);
    // The texts of the dialogs of `kind` shown so far.
    QStringList Shown(ScriptedDialogs::Kind kind) const;

private:
    void AppendFigureLines(const std::vector<std::string>& lines);

protected:
    QTemporaryDir programDir;
    ScriptedDialogs dialogs;
    FakePointer pointer;
    std::unique_ptr<TZolForm> form;
};

} // namespace zol::test
