#include "io/LanguageChoice.h"

#include <QtGlobal>

namespace zol {

namespace {

bool IsPlainLocale(const QString& locale)
{
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "en_US.UTF-8" and "en@euro" name "en".
QString LanguageOf(const QString& locale)
{
    return locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0)
        .toLower();
}

} // namespace

LocaleVariables LocaleVariablesOfEnvironment()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

QString ChooseLanguage(const QString& setting, const LocaleVariables& desktop, const QStringList& shipped)
{
    if (!setting.isEmpty() && shipped.contains(setting))
        return setting;
    QStringList asked = desktop.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    asked << desktop.lcAll << desktop.lcMessages << desktop.lang;
    for (const QString& locale : asked) {
        if (locale.isEmpty())
            continue;
        if (IsPlainLocale(locale))
            break;
        if (const QString code = LanguageOf(locale); shipped.contains(code))
            return code;
    }
    return SourceLanguage;
}

Language MessageLanguage(const QString& code)
{
    return code == SourceLanguage ? Language::Japanese : Language::English;
}

} // namespace zol
