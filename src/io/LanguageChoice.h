#pragma once
// Which language the window speaks: the user's choice in Zol.ini, else the
// one the desktop asks for, else Japanese, the program's own language.

#include "model/Message.h"

#include <QString>
#include <QStringList>

namespace zol {

// The program's own language: its texts are written in it, so it needs no
// translation file and is always there.
inline const QString SourceLanguage = QStringLiteral("ja");

// The locale variables in the order they are asked: LANGUAGE (a list
// separated by colons), LC_ALL, LC_MESSAGES, LANG.
struct LocaleVariables {
    QString language;
    QString lcAll;
    QString lcMessages;
    QString lang;
};

LocaleVariables LocaleVariablesOfEnvironment();

// The language code ("ja", "en", ...) to use. `setting` is the code kept in
// Zol.ini, empty for automatic; a code not in `shipped` counts as automatic.
// Automatic takes the first variable that names a shipped language; the C and
// POSIX locales, where the search stops, and no match give SourceLanguage.
QString ChooseLanguage(const QString& setting, const LocaleVariables& desktop, const QStringList& shipped);

// The message table holds Japanese and English: every other language reads
// the English texts.
Language MessageLanguage(const QString& code);

} // namespace zol
