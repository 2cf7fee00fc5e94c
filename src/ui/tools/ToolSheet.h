#pragma once
// The look the small tool windows share: a bold title strip with a "×" close
// button across the top, and below it a sheet in the window colour with a
// dotted outline lying on a black shadow, with a sunken frame on the sheet.
// The strip also moves the borderless window when dragged.

#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QWidget>

class QDialog;
class QLabel;

namespace zol {

// Where the shapes lie, in the window's coordinates.
struct SheetGeometry {
    QRect shadow; // black
    QRect sheet;  // window colour, dotted outline
    QRect bevel;  // sunken frame
};

class ToolSheet : public QWidget {
public:
    ToolSheet(const SheetGeometry& geometry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetGeometry geometry_;
};

class TitleStrip : public QFrame {
public:
    // A strip across the dialog's top, `height` pixels high, whose button
    // accepts the dialog (modal result 1) and is its default button.
    TitleStrip(const QString& caption, int height, QDialog* dialog);

    QLabel* caption() const { return caption_; }
    QPushButton* closeButton() const { return close_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* caption_;
    QPushButton* close_;
    QPoint grab_; // where the strip was taken, relative to the window
};

// Sets the frameless tool-window flags and the window-colour background.
void MakeToolWindow(QDialog* dialog, const QString& caption, QSize clientSize);

} // namespace zol
