// zoltool: the editor's headless companion for batch work and checks.

#include "cli/Zoltool.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    // The words are taken before Qt sees them, and Qt gets only the program
    // name, so that no argument is read as a Qt option.
    const std::vector<std::string> words(argv + 1, argv + argc);
    int qtArgc = 1;
    // Captions in catalogue strips need fonts, hence a GUI application; the
    // offscreen platform needs no display, so zoltool runs on machines without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A GUI application remarks on a missing runtime folder, which zoltool
    // never uses; stderr stays for the command's own message.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("QStandardPaths: ")))
            std::cerr << qFormatLogMessage(type, context, text).toStdString() << std::endl;
    });
    QGuiApplication application(qtArgc, argv);
    return zol::cli::RunZoltool(words, std::cout, std::cerr);
}
