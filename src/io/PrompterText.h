#pragma once
// The loaders' own texts are written in Japanese and marked for translation
// in the context "zol::Prompter"; they are translated when told, into the
// language the program installed (none for zoltool and the tests).

#include <QCoreApplication>

#include <string>

namespace zol {

inline std::string PrompterText(const char* source)
{
    return QCoreApplication::translate("zol::Prompter", source).toStdString();
}

} // namespace zol
