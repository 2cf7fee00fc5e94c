#pragma once
// A main window with scripted dialogs and a pointer of its own, and the
// mouse and list gestures the tests perform on it.

#include "Printers.h"
#include "ui/BoardPointer.h"
#include "ui/FigureListBox.h"
#include "support/ScriptedDialogs.h"
#include "ui/ZolForm.h"

#include <QAction>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
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

    // --- program folder ----------------------------------------------------------
    QString ProgramPath(const QString& relative) const { return programDir.filePath(relative); }
    QString WriteFile(const QString& relative, const std::string& bytes) const;
    static std::string ReadBytes(const QString& path);
    // A file of tests/io/fixtures or of the shipped data folder, copied.
    QString CopyFixture(const char* fixture, const QString& relative) const;
    QString CopyData(const char* data, const QString& relative) const;

    // --- board ---------------------------------------------------------------
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
    // Selects a row (-1: none) as the program does, with no click.
    void SelectRow(int row);
    int SelectedRow() const;
    QStringList Rows() const;
    QStringList ModelCaptions() const;
    // The add button's right click: insert mode becomes replace mode and back.
    void RightClickAddButton();
    // Clicks `row` and turns the table view on.
    void ShowTableOf(int row);
    bool TableShown() const;

    // --- what the window shows -------------------------------------------------
    QString CaptionShown() const;
    QString FigureCountShown() const;
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
