#include "ui/ActionGuard.h"

#include "model/Message.h"

#include <exception>

namespace zol {

QString ErrorText(const std::exception& error)
{
    // Conversion, index and file errors carry their text in both languages.
    return QString::fromStdString(ErrorText(error, Language::Japanese));
}

bool RunGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("メモリが不足しています。");
    } catch (const std::exception& e) {
        message = ErrorText(e);
    } catch (...) {
        message = QStringLiteral("不明なエラーが発生しました。");
    }
    dialogs.Error(message);
    return false;
}

} // namespace zol
