// End to end: the main window's size across restarts under a real window
// manager (openbox on the virtual display), and a Zol.ini whose saved size is
// far larger than any screen.
//
//   e2e_window_bounds <path of zol> <folder for screenshots>
//
// Three starts in a row must show the same frame, the one Zol.ini holds. A
// saved size of 2147483647 × 2147483647 is shown at most as large as the
// screen, costs no more memory than a window of the usual size (the peak
// resident size of the process, read from /proc), and stays in the file when
// the user did not resize the window.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

using namespace e2e;

// "ポジション" in CP932.
const QByteArray PositionSection = "[\x83\x7c\x83\x57\x83\x56\x83\x87\x83\x93]";

// The window manager runs while this lives.
struct WindowManager {
    WindowManager()
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!process.waitForStarted(10000))
            Fail(QStringLiteral("openbox did not start"));
        QElapsedTimer timer;
        timer.start();
        // A window manager that follows the desktop conventions announces itself on the root window.
        while (!RootProperty(QStringLiteral("_NET_SUPPORTING_WM_CHECK")).contains(QStringLiteral("window id"))) {
            if (timer.elapsed() > 15000)
                Fail(QStringLiteral("openbox did not take over the display"));
            Pause(100);
        }
        Note(QStringLiteral("openbox manages the display"));
    }
    ~WindowManager()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
    static QString RootProperty(const QString& name)
    {
        QProcess p;
        p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), name});
        p.waitForFinished(5000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    QProcess process;
};

// The frame the window manager drew around the window: the client's
// rectangle widened by the frame extents the manager announced.
std::optional<QRect> FrameOf(const QString& window)
{
    const QString extents = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), window,
                                                          QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!m.hasMatch())
        return std::nullopt;
    const auto g = ShellValues(Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}));
    const QRect client(g.value("X"), g.value("Y"), g.value("WIDTH"), g.value("HEIGHT"));
    return client.adjusted(-m.captured(1).toInt(), -m.captured(3).toInt(), m.captured(2).toInt(),
                           m.captured(4).toInt());
}

// The frame once it has settled: the same in two readings half a second apart.
QRect SettledFrame(const QString& window)
{
    QElapsedTimer timer;
    timer.start();
    std::optional<QRect> last;
    for (;;) {
        Pause(500);
        const std::optional<QRect> now = FrameOf(window);
        if (now && last && *now == *last)
            return *now;
        last = now;
        if (timer.elapsed() > 20000)
            Fail(QStringLiteral("the window's frame did not settle"));
    }
}

// The peak resident memory of a process in kilobytes (VmHWM).
long PeakKilobytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read the memory of process %1").arg(pid));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    if (!m.hasMatch())
        Fail(QStringLiteral("no peak memory in /proc/%1/status").arg(pid));
    return m.captured(1).toLong();
}

QByteArray IniValue(const QString& ini, const char* key)
{
    QFile file(ini);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("no Zol.ini at ") + ini);
    const QByteArray bytes = file.readAll();
    const qsizetype section = bytes.indexOf(PositionSection);
    const QByteArray line = QByteArray("\r\n") + key + '=';
    const qsizetype at = bytes.indexOf(line, section);
    if (section < 0 || at < 0)
        Fail(QStringLiteral("Zol.ini has no %1 among its positions").arg(QString::fromLatin1(key)));
    const qsizetype start = at + line.size();
    return bytes.mid(start, bytes.indexOf("\r\n", start) - start);
}

struct EditorRun {
    QRect frame;
    long peakKilobytes;
};

// Starts the editor, waits for its frame to settle, takes a screenshot,
// notes its peak memory and closes it through the File menu.
EditorRun StartAndClose(const ProgramFolder& program, const QString& shot)
{
    QProcess editor;
    const EditorWindow started = StartEditor(editor, program.zol, {});
    const QRect frame = SettledFrame(started.id);
    Screenshot(shot);
    const long peak = PeakKilobytes(editor.processId());
    std::printf("-- %s: frame %d,%d %dx%d, peak memory %ld kB\n", qPrintable(shot), frame.x(), frame.y(),
                frame.width(), frame.height(), peak);
    CloseThroughFileMenu(editor);
    return {frame, peak};
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_window_bounds <zol> <screenshot folder>");
    const WindowManager openbox;
    const ProgramFolder program(test[1]);
    const QString ini = program.Path(QStringLiteral("Zol.ini"));

    // A first start places the default frame; each later start shows the frame the last one saved.
    std::vector<EditorRun> runs;
    for (int k = 0; k < 3; ++k) {
        runs.push_back(StartAndClose(program, QStringLiteral("start-%1").arg(k + 1)));
        const QSize saved(IniValue(ini, "width").toInt(), IniValue(ini, "height").toInt());
        Check(saved == runs.back().frame.size(),
              QStringLiteral("start %1: Zol.ini holds the frame's size %2x%3").arg(k + 1).arg(saved.width()).arg(saved.height()));
    }
    Check(runs[0].frame.size() == QSize(698, 664), QStringLiteral("the first frame has the default size 698x664"));
    for (int k = 1; k < 3; ++k)
        Check(runs[k].frame == runs[0].frame, QStringLiteral("start %1 shows the same frame as the first").arg(k + 1));

    // Far larger than the screen.
    QFile file(ini);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(PositionSection + "\r\ntop=10\r\nleft=20\r\nheight=2147483647\r\nwidth=2147483647\r\n") < 0)
        Fail(QStringLiteral("cannot write Zol.ini"));
    file.close();
    const EditorRun huge = StartAndClose(program, QStringLiteral("huge-size"));
    Check(huge.frame.width() <= 1280 && huge.frame.height() <= 1024,
          QStringLiteral("a saved size of 2147483647 shows at most the screen (1280x1024)"));
    Check(huge.frame.width() >= 1200 && huge.frame.height() >= 900, QStringLiteral("and about as large as the screen"));
    // A full-screen window needs a larger back buffer than the usual one
    // (5 MB against 2 MB), but nothing like the gigabytes of 32767 pixels a side.
    Check(huge.peakKilobytes < 2 * runs[0].peakKilobytes,
          QStringLiteral("its peak memory (%1 kB) is less than twice a usual start's (%2 kB)")
              .arg(huge.peakKilobytes)
              .arg(runs[0].peakKilobytes));
    Check(IniValue(ini, "width") == "2147483647" && IniValue(ini, "height") == "2147483647",
          QStringLiteral("the size the user did not change stays in Zol.ini as it was"));
    std::printf("all checks passed\n");
    return 0;
}
