#pragma once
// The window's language: the program's own translation and Qt's, installed
// once at start-up before any window is made.

#include "model/Message.h"

#include <QString>
#include <QStringList>

namespace zol {

// The program's own language and every language it carries a translation for.
QStringList ShippedLanguages();

// The language to start in: the one kept in Zol.ini, else the desktop's.
QString StartUpLanguage();

// Puts the translations of `code` into force for the whole program (Qt's own
// dialogs included) and makes it the window's language. Japanese needs no
// translation of ours; Qt's own follows it all the same.
void InstallTranslations(const QString& code);

// The language installed, Japanese until then (the tests' windows speak it).
QString WindowLanguage();
Language WindowMessageLanguage();

} // namespace zol
