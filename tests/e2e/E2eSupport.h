#pragma once
// What the end-to-end tests share: running programs, xdotool, screenshots
// taken with ImageMagick's import, and finding the board on them.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

namespace e2e {


inline QString g_shots;
inline int g_shotCount = 0;

[[noreturn]] inline void Fail(const QString& what)
{
    std::fprintf(stderr, "FAILED: %s\n", qPrintable(what));
    std::exit(1);
}

// What every end-to-end program begins with: the application object and the
// arguments its usage line names, exactly as many (or the usage line and
// failure). The last names the folder the screenshots go to, made here.
class Opening {
public:
    Opening(int& argc, char** argv, const char* usage) : app_(argc, argv)
    {
        const QString line = QString::fromUtf8(usage);
        if (argc != line.count(QLatin1Char('<')) + 1)
            Fail(QStringLiteral("usage: ") + line);
        for (int i = 0; i < argc; ++i)
            args_ << QString::fromLocal8Bit(argv[i]);
        g_shots = args_.last();
        QDir().mkpath(g_shots);
    }
    // Argument i, counted as argv counts them (1 is the first).
    const QString& operator[](int i) const { return args_[i]; }

private:
    QCoreApplication app_;
    QStringList args_;
};

inline void Check(bool ok, const QString& what)
{
    if (!ok)
        Fail(what);
    std::printf("ok: %s\n", qPrintable(what));
}

// A step the test reached: a progress message, not a check.
inline void Note(const QString& what) { std::printf("-- %s\n", qPrintable(what)); }

inline QString Run(const QString& program, const QStringList& args, int timeoutMs = 30000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        Fail(program + ' ' + args.join(' ') + ": " + QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Copies a file, making its folder; a copy that fails ends the test.
inline void Copy(const QString& from, const QString& to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    if (!QFile::copy(from, to))
        Fail(QStringLiteral("cannot copy ") + from + QStringLiteral(" to ") + to);
}

// A runtime folder of this run only, where the editor keeps its single-copy lock.
struct RuntimeFolder {
    RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit()); }
    QTemporaryDir folder;
};

// The built editor copied into a temporary program folder of its own, where
// its Zol.ini lands, with the shipped piece sets beside it when `data` is
// given; the single-copy lock lives in a runtime folder of this run only.
struct ProgramFolder {
    explicit ProgramFolder(const QString& builtZol, const QString& data = {})
    {
        zol = Path(QStringLiteral("zol"));
        Copy(builtZol, zol);
        QFile::setPermissions(zol, QFile::permissions(zol) | QFileDevice::ExeOwner);
        if (data.isEmpty())
            return;
        for (const QString& set : QDir(data + QStringLiteral("/pltes")).entryList({QStringLiteral("*.plt")}))
            Copy(data + QStringLiteral("/pltes/") + set, Path(QStringLiteral("pltes/") + set));
    }
    QString Path(const QString& relative) const { return QDir(folder.path()).filePath(relative); }

    RuntimeFolder runtime;
    QTemporaryDir folder;
    QString zol;
};

// A desktop of the test's own for an installed editor: home, config, data and
// runtime folders in a temporary folder, beside the installation prefix named
// by `prefix` (relative to that folder), whose share/ is searched before the
// system's; and no desktop session of the user's.
struct PrivateDesktop {
    explicit PrivateDesktop(const QString& prefixName) : prefix(QDir(folder.path()).filePath(prefixName))
    {
        const QDir root(folder.path());
        const QString share = QDir(prefix).filePath(QStringLiteral("share"));
        qputenv("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (share + QStringLiteral(":/usr/share")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")).toLocal8Bit());
        for (const char* desktop : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            qunsetenv(desktop);
        for (const char* name : {"home", "config", "data", "runtime"})
            root.mkpath(QString::fromLatin1(name));
        QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString Path(const QString& relative) const { return QDir(folder.path()).filePath(relative); }
    QString Installed(const QString& relative) const { return QDir(prefix).filePath(relative); }

    QTemporaryDir folder;
    const QString prefix;
};

// How every headless Chromium of these tests starts: no sandbox (the tests
// may run as root), no GPU, nothing fetched in the background, and a profile
// folder of its own.
inline QStringList HeadlessChromium(const QString& profile)
{
    return {QStringLiteral("--headless"),
            QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"),
            QStringLiteral("--no-first-run"),
            QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"),
            QStringLiteral("--disable-sync"),
            QStringLiteral("--user-data-dir=") + profile};
}

inline QString Xdo(const QStringList& args) { return Run(QStringLiteral("xdotool"), args); }

inline void Pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

inline QImage Screenshot(const QString& name)
{
    const QString file = QDir(g_shots).filePath(QStringLiteral("%1-%2.png").arg(++g_shotCount, 2, 10, QLatin1Char('0')).arg(name));
    Run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    QImage image(file);
    if (image.isNull())
        Fail(QStringLiteral("cannot read screenshot ") + file);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Takes screenshots until `done` holds for one, for at most `ms`.
inline QImage WaitFor(const QString& name, const std::function<bool(const QImage&)>& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QImage shot = Screenshot(name);
        if (done(shot))
            return shot;
        if (timer.elapsed() > ms)
            Fail(QStringLiteral("timed out waiting for: ") + name);
        Pause(200);
    }
}

inline QMap<QString, int> ShellValues(const QString& text)
{
    QMap<QString, int> values;
    for (const QString& line : text.split('\n')) {
        const QStringList kv = line.split('=');
        if (kv.size() == 2)
            values[kv[0].trimmed()] = kv[1].toInt();
    }
    return values;
}

// A window's rectangle on the screen, as xdotool reports it.
inline QRect Geometry(const QString& window)
{
    const auto g = ShellValues(Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}));
    return QRect(g.value("X"), g.value("Y"), g.value("WIDTH"), g.value("HEIGHT"));
}

// The visible windows of the editor's process other than the main window:
// menus and dialogs.
inline QStringList OtherWindows(const QProcess& editor, const QString& main)
{
    // Not through Run: a search that finds nothing ends with status 1.
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                        QString::number(editor.processId())});
    p.waitForFinished(10000);
    QStringList ids = QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ids.removeAll(main);
    return ids;
}

inline QPoint PointerPosition()
{
    const auto v = ShellValues(Xdo({QStringLiteral("getmouselocation"), QStringLiteral("--shell")}));
    return {v.value(QStringLiteral("X")), v.value(QStringLiteral("Y"))};
}

inline bool IsBlack(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(0, 0, 0); }
inline bool IsWhite(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(255, 255, 255); }

// The board: the first black run of 512 pixels inside the window, whose
// square is black at its four corners (the pieces lie around its centre).
inline std::optional<QRect> FindBoard(const QImage& shot, const QRect& window)
{
    const QRect area = window.intersected(shot.rect());
    for (int y = area.top(); y <= area.bottom() - 511; ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            run = IsBlack(shot, {x, y}) ? run + 1 : 0;
            if (run == 512) {
                const QRect board(x - 511, y, 512, 512);
                if (IsBlack(shot, board.bottomLeft()) && IsBlack(shot, board.bottomRight()))
                    return board;
            }
        }
    }
    return std::nullopt;
}

// Waits for the board to show inside the window; `shot` gets the screenshot.
inline QRect WaitForBoard(const QRect& window, QImage& shot)
{
    QRect board;
    shot = WaitFor(QStringLiteral("start"), [&](const QImage& s) {
        const auto found = FindBoard(s, window);
        if (found)
            board = *found;
        return found.has_value();
    });
    return board;
}

inline void Key(const QString& keys) { Xdo({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys}); }

struct EditorWindow {
    QString id;  // xdotool's window id
    QRect frame; // on the screen
};

// Starts the editor, waits for its visible main window and focuses it.
inline EditorWindow StartEditor(QProcess& editor, const QString& zol, const QStringList& args)
{
    editor.setProcessChannelMode(QProcess::ForwardedChannels);
    editor.start(zol, args);
    if (!editor.waitForStarted(10000))
        Fail(QStringLiteral("zol did not start"));
    const QString window = Run(QStringLiteral("xdotool"),
                               {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), QStringLiteral("^Zol editor$")},
                               60000)
                               .section('\n', 0, 0);
    Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    const auto g = ShellValues(Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}));
    return {window, QRect(g.value("X"), g.value("Y"), g.value("WIDTH"), g.value("HEIGHT"))};
}

// xdotool's ids of the visible windows whose name matches `pattern`.
inline QStringList Windows(const QString& pattern)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), pattern});
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Waits up to ten seconds for `done`; a check named `what`.
inline void WaitUntil(const std::function<bool()>& done, const QString& what)
{
    for (int i = 0; i < 100; ++i) {
        if (done()) {
            Check(true, what);
            return;
        }
        Pause(100);
    }
    Fail(QStringLiteral("timed out: ") + what);
}

// Closes the editor through its File menu (Alt+F, then X) and waits for it to end normally.
inline void CloseThroughFileMenu(QProcess& editor)
{
    Key(QStringLiteral("alt+f"));
    Pause(500);
    Key(QStringLiteral("x"));
    if (!editor.waitForFinished(15000))
        Fail(QStringLiteral("the editor did not close"));
    Check(editor.exitCode() == 0, QStringLiteral("the editor ended normally"));
}

} // namespace e2e
