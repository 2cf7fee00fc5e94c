#pragma once
// The user's settings in Zol.ini, read once at start-up and written once at
// shut-down.

#include "io/History.h"
#include "model/Palette.h"

#include <QRect>
#include <QString>

namespace zol {

struct Settings {
    // "システム": the shake-to-flip gesture, folders and display switches.
    int dcxsmin = 32;
    int dcxabsmax = 200;
    int flipsens = 8;
    int fssens = 5;
    QString inidir; // the open dialog's folder; the documents folder by default
    bool aadown = true;
    double gamma = 2.2;
    bool opttbv = true;
    int maxundo = 100; // read only, at least 2
    // "ヒストリー"
    HistoryList history;
    // "パレット": the current record and the registered one.
    PaletteParams palette;
    PaletteParams registeredPalette{0, 255, 0, 255, 0, 255, 0};
    // "ポジション": the main window's normal bounds and the colour picker's scroll bars.
    int top = 0;
    int left = 0;
    int height = 664;
    int width = 698;
    int sbx = 128;
    int sby = 128;
    int sbz = 20;
    // "ウィンドウ": 0 normal, 1 minimised, 2 maximised.
    int ws = 0;
    // "言語": the window's language code; empty for the desktop's (automatic).
    QString language;
};

// A missing file, section or key, or a value that is not a number where one is
// expected, gives the default; integers may be written in hex with 0x. No
// number is clamped but maxundo: palette numbers, backgrounds and picker bar
// positions are kept as read (the palette uses their low eight bits, a scroll
// bar shows what it can), so that they go back to the file unchanged. The
// default window is centred on desktop.
Settings ReadSettings(const QString& path, const QRect& desktop);

// The language key alone, read before the window is made; empty when automatic.
QString ReadLanguageSetting(const QString& path);

// Writes every setting except maxundo, keeping the other keys of the file and
// their order. An automatic language removes its key, so the file gains no
// section for it until the user picks a language. The window bounds are written only when the window is in its
// normal state; otherwise those in the file stay. Throws FileError when the
// file cannot be written (the old file stays whole).
void WriteSettings(const QString& path, const Settings& settings, bool windowStateIsNormal);

} // namespace zol
