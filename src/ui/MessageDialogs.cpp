#include "ui/MessageDialogs.h"

#include "io/AppPaths.h"
#include "io/NativePath.h"
#include "ui/AppTitle.h"
#include "ui/PuzzleSheetDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace zol {

namespace {

using Answer = Dialogs::Answer;

// The buttons carry the editor's own texts (on a Japanese desktop those of
// its system dialogs), whatever Qt's own translation files say.
QString ButtonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return QCoreApplication::translate("zol::MessageDialogs", "はい(&Y)");
    case QMessageBox::No: return QCoreApplication::translate("zol::MessageDialogs", "いいえ(&N)");
    case QMessageBox::Cancel: return QCoreApplication::translate("zol::MessageDialogs", "キャンセル");
    default: return QStringLiteral("OK");
    }
}

Answer AnswerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

Answer Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, AppTitle(), text, buttons, parent);
    for (QAbstractButton* button : box.buttons())
        button->setText(ButtonText(box.standardButton(button)));
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? AnswerOf(box.standardButton(clicked)) : AnswerOf(escape);
}

} // namespace

QString QtFileFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

Answer MessageDialogs::Information(const QString& text, bool withCancel)
{
    return Ask(parent_, QMessageBox::Information, text,
               withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
               withCancel ? QMessageBox::Cancel : QMessageBox::Ok);
}

Answer MessageDialogs::Confirmation(const QString& text, bool withCancel)
{
    return Ask(parent_, QMessageBox::Question, text,
               withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                          : QMessageBox::Yes | QMessageBox::No,
               withCancel ? QMessageBox::Cancel : QMessageBox::No);
}

Answer MessageDialogs::Warning(const QString& text)
{
    return Ask(parent_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

void MessageDialogs::WarningWithOk(const QString& text)
{
    Ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageDialogs::Error(const QString& text)
{
    Ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

namespace {

const QString AmbiguousName = QStringLiteral(
    "\n\nこの名前には文字として読めない部分があり、同じように見えるファイルがほかにもあります。"
    "\nどのファイルか決められないため、使えません。ファイルの名前を変えてください。");

std::optional<QString> RunFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title.isEmpty() ? AppTitle() : request.title, request.initialPath,
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The editor asks its own overwrite question, with its own text.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // The dialog shows a name that is not UTF-8 with U+FFFD and hands back
    // that text: the file's own name is looked up, never another one taken.
    const QString shown = dialog.selectedFiles().constFirst();
    const std::optional<QString> chosen = ChosenPath(shown);
    if (!chosen)
        Ask(parent, QMessageBox::Critical, DisplayPath(shown) + AmbiguousName, QMessageBox::Ok, QMessageBox::Ok);
    return chosen;
}

} // namespace

std::optional<QString> MessageDialogs::OpenFile(const FileRequest& request)
{
    return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<QString> MessageDialogs::SaveFile(const FileRequest& request)
{
    return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

std::optional<PuzzleSheetRequest> MessageDialogs::PuzzleSheetOptions(const PuzzleSheetRequest& proposal)
{
    const auto browse = [this](const QString& current) {
        return RunFileDialog(parent_,
                             {QCoreApplication::translate("zol::MessageDialogs", "パズルシートの保存先"),
                              QCoreApplication::translate("zol::MessageDialogs", "PDFファイル|*.pdf"),
                              QStringLiteral("pdf"), current},
                             QFileDialog::AcceptSave);
    };
    PuzzleSheetDialog dialog(proposal, browse, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

bool MessageDialogs::OpenFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace zol
