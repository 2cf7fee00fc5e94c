#pragma once
// Shared by the colour dialog tests: a small rgbdata.txt, scripted dialogs,
// and helpers that read what a widget shows.

#include "support/ScriptedDialogs.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

class QWidget;

namespace zol::test {

// white, red, "aqua" and "cyan" with one value, black; CP932, CR LF.
extern const char* const SmallColourTable;

class ColourDialogTest : public ::testing::Test {
protected:
    QString WriteColourTable(const char* text = SmallColourTable);
    QString MissingColourTable() const { return dir.filePath("absent.txt"); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

// What the widget shows on screen, pixel for pixel.
QImage Shown(QWidget* widget);
uint32_t ColourValueAt(const QImage& image, int x, int y);

// Runs `step` once the next modal dialog's event loop is running.
void WhenModal(std::function<void()> step);

} // namespace zol::test
