#include "ui/ActionGuard.h"

#include "model/Message.h"
#include "ui/Translations.h"

#include <QCoreApplication>

#include <exception>

namespace zol {

QString ErrorText(const std::exception& error)
{
    // Conversion, index and file errors carry their text in both languages.
    return QString::fromStdString(ErrorText(error, WindowMessageLanguage()));
}

bool RunGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        message = QCoreApplication::translate("zol::ActionGuard", "メモリが不足しています。");
    } catch (const std::exception& e) {
        message = ErrorText(e);
    } catch (...) {
        message = QCoreApplication::translate("zol::ActionGuard", "不明なエラーが発生しました。");
    }
    dialogs.Error(message);
    return false;
}

} // namespace zol
