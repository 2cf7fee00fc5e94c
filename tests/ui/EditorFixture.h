#pragma once
// A main window with scripted dialogs and a pointer of its own, and the
// mouse and list gestures the tests perform on it.

#include "Printers.h"
#include "ui/BoardPointer.h"
#include "ui/FigureListBox.h"
#include "ui/ScriptedDialogs.h"
#include "ui/ZolForm.h"

#include <QAction>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

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
    // Screen position of board pixel (0, 0) in the fake pointer's world.
    static constexpr QPoint Origin{1000, 2000};

    void SetUp() override;
    void TearDown() override;

    // --- board ---------------------------------------------------------------
    void PressBoard(Qt::MouseButton button, QPoint at);
    void ReleaseBoard(Qt::MouseButton button, QPoint at);
    void ClickBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Moves the pointer by `delta` and reports the move to the board.
    void MovePointer(QPoint delta);
    // Where the pointer is, in board pixels.
    QPoint PointerOnBoard() const { return pointer.pos - Origin; }
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
    void ClickRow(int row);
    void DoubleClickRow(int row);
    QStringList Rows() const;
    QStringList ModelCaptions() const;
    // Types `text` into `widget` key by key (characters beyond ASCII too).
    static void Type(QWidget* widget, const QString& text);
    // The texts of the dialogs of `kind` shown so far.
    QStringList Shown(ScriptedDialogs::Kind kind) const;

    ScriptedDialogs dialogs;
    FakePointer pointer;
    std::unique_ptr<TZolForm> form;
};

} // namespace zol::test
