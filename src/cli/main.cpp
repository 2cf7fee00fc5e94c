// zoltool: the editor's headless companion for batch work and checks.

#include "cli/DescriptorOutput.h"
#include "cli/Zoltool.h"

#include <QGuiApplication>

#include <cstring>
#include <iostream>

#include <unistd.h>

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
    zol::cli::DescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    const int status = zol::cli::RunZoltool(words, out, std::cerr);
    // Output that did not reach its file is a failure, whatever the command made of it.
    if (const int error = output.Close()) {
        std::cerr << "zoltool: could not write the standard output: " << std::strerror(error) << '\n';
        return status == 0 ? 1 : status;
    }
    return status;
}
