#include "ui/Translations.h"

#include "io/AppPaths.h"
#include "io/LanguageChoice.h"
#include "io/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace zol {

namespace {

// Where the build puts the compiled translations (zol_<code>.qm) among the
// program's resources.
const QString TranslationFolder = QStringLiteral(":/i18n");

QString& InstalledLanguage()
{
    static QString code = SourceLanguage;
    return code;
}

void Install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // without it the texts stay as written
}

} // namespace

QStringList ShippedLanguages()
{
    QStringList codes = {SourceLanguage};
    for (const QString& file : QDir(TranslationFolder).entryList({QStringLiteral("zol_*.qm")}, QDir::Files))
        codes << file.mid(4, file.size() - 7);
    return codes;
}

QString StartUpLanguage()
{
    return ChooseLanguage(ReadLanguageSetting(SettingsFilePath()), LocaleVariablesOfEnvironment(), ShippedLanguages());
}

void InstallTranslations(const QString& code)
{
    InstalledLanguage() = code;
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (code != SourceLanguage)
        Install(QStringLiteral("zol_") + code, TranslationFolder);
}

QString WindowLanguage() { return InstalledLanguage(); }

Language WindowMessageLanguage() { return MessageLanguage(WindowLanguage()); }

} // namespace zol
