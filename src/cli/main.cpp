// zoltool: the editor's headless companion for batch work and checks.

#include "cli/Zoltool.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    // The words are taken before Qt sees them, and Qt gets only the program
    // name, so that no argument is read as a Qt option.
    const std::vector<std::string> words(argv + 1, argv + argc);
    int qtArgc = 1;
    // Painting into QImage needs no display, so no GUI application (and no
    // platform plugin) is started: zoltool runs on machines without one.
    QCoreApplication application(qtArgc, argv);
    return zol::cli::RunZoltool(words, std::cout, std::cerr);
}
