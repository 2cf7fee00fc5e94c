// The Option menu's choice of language. Its title and the languages' names
// are the same in every language, so that a user who cannot read the window
// still finds them; the choice takes effect at the next start.
#include "ui/ZolForm.h"

#include "ui/Dialogs.h"
#include "ui/Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>

namespace zol {

namespace {

// Each language by the name it has for its own speakers.
QString LanguageName(const QString& code)
{
    if (code == QLatin1String("ja"))
        return QStringLiteral("日本語");
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    return QLocale(code).nativeLanguageName();
}

// The item's object name, by which tests and scripts pick it: "Language_en",
// "Language_auto".
QString ItemName(const QString& code)
{
    return QStringLiteral("Language_") + (code.isEmpty() ? QStringLiteral("auto") : code);
}

} // namespace

void TZolForm::CreateLanguageMenu(QMenu* options)
{
    QMenu* menu = options->addMenu(QStringLiteral("言語 / Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    // An empty code is automatic: the desktop's language.
    QStringList codes = {QString()};
    codes << ShippedLanguages();
    for (const QString& code : codes) {
        QAction* item = menu->addAction(code.isEmpty() ? tr("自動") : LanguageName(code));
        item->setObjectName(ItemName(code));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { Guarded([&] { KeepLanguageChoice(code); }); });
    }
    menu->insertSeparator(menu->actions().value(1));
    // The check mark shows the setting, which start-up reads after the menus are made.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        const QString name = ItemName(editor_.settings.language);
        for (QAction* item : menu->actions())
            item->setChecked(item->objectName() == name);
    });
}

void TZolForm::KeepLanguageChoice(const QString& code)
{
    if (editor_.settings.language == code)
        return;
    editor_.settings.language = code;
    dialogs_.Information(tr("表示する言語は次回の起動から切り替わります。"));
}

} // namespace zol
