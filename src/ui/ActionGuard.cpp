#include "ui/ActionGuard.h"

#include <exception>

namespace zol {

bool RunGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("メモリが不足しています。");
    } catch (const std::exception& e) {
        // Conversion errors and index errors carry their own text.
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("不明なエラーが発生しました。");
    }
    dialogs.Error(message);
    return false;
}

} // namespace zol
