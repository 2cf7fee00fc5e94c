// The editor's entry: one copy at a time, the application object, the main
// window and its message loop.
#include "SingleInstance.h"

#include "io/NativePath.h"
#include "ui/ActionGuard.h"
#include "ui/AppTitle.h"
#include "ui/BoardPointer.h"
#include "ui/Fonts.h"
#include "ui/MessageDialogs.h"
#include "ui/Translations.h"
#include "ui/ZolForm.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// For the start-up benchmark: "ready" once the window has painted; with
// ZOL_READY_MARK=save, a line on standard input then has the document saved
// over itself, as Save does after a change, and "saved" follows.
void PrintReadyMarks(zol::TZolForm& form)
{
    form.repaint();
    std::puts("ready");
    std::fflush(stdout);
    if (qgetenv("ZOL_READY_MARK") != "save")
        return;
    for (int c = std::getchar(); c != '\n' && c != EOF;)
        c = std::getchar();
    form.editor().model.setModified(true);
    form.findChild<QAction*>(QStringLiteral("FileSave"))->trigger();
    std::puts("saved");
    std::fflush(stdout);
}

// The words after the program's name that Qt left, a file name kept as its
// bytes (QApplication::arguments() would turn bytes that are not UTF-8 into
// another name).
QStringList DocumentArguments(int argc, char** argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << zol::PathFromNative(argv[i]);
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before anything else: no window, no display and no lock, so
    // it works beside a running copy and on a machine without a desktop.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("zol " ZOL_VERSION);
        return 0;
    }
    // Checked before the application connects to the display: a second copy
    // ends at once and shows nothing.
    const zol::SingleInstance instance;
    if (instance.anotherCopyRuns())
        return -1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(zol::AppTitle());
    // The language is fixed before the first window: the choice kept in
    // Zol.ini, else the desktop's. Qt's own dialogs speak it too.
    zol::InstallTranslations(zol::StartUpLanguage());
    zol::RegisterFontSubstitutions();
    QApplication::setFont(zol::PixelFont(zol::GothicP, 12));

    try {
        zol::MessageDialogs dialogs;
        zol::ScreenPointer pointer;
        zol::TZolForm form(dialogs, pointer, DocumentArguments(argc, argv));
        if (form.startupFailed())
            return 0;
        dialogs.setParentWidget(&form);
        form.show();
        if (qEnvironmentVariableIsSet("ZOL_READY_MARK"))
            QTimer::singleShot(0, &form, [&form] { PrintReadyMarks(form); });
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, zol::AppTitle(), zol::ErrorText(e));
        return 1;
    }
}
