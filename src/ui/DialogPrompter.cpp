#include "ui/DialogPrompter.h"

#include "ui/Translations.h"

namespace zol {

void DialogPrompter::Inform(const std::string& text) { dialogs_.Information(QString::fromStdString(text)); }

bool DialogPrompter::Confirm(const std::string& text)
{
    return dialogs_.Confirmation(QString::fromStdString(text)) == Dialogs::Answer::Yes;
}

void DialogPrompter::Warn(const std::string& text) { dialogs_.WarningWithOk(QString::fromStdString(text)); }

Language DialogPrompter::language() const { return WindowMessageLanguage(); }

} // namespace zol
