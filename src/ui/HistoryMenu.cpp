// The recently used documents behind the open button's drop-down.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "ui/DisplayText.h"

#include <QAction>
#include <QMenu>

namespace zol {

void TZolForm::CreateHistoryMenu()
{
    for (int i = 0; i < HistorySize; ++i) {
        auto* item = new QAction(this);
        item->setObjectName(QStringLiteral("HistoryItem%1").arg(i));
        item->setData(i); // the item's Tag
        connect(item, &QAction::triggered, this, [this, i] { Guarded([&] { HisFileOpenExecute(i); }); });
        PopupMenuHis->addAction(item);
        historyItems_[i] = item;
    }
}

void TZolForm::AddToHistory()
{
    zol::AddToHistory(editor_.settings.history, DocumentPathText(editor_.model));
    UpdateHistoryMenu();
}

void TZolForm::UpdateHistoryMenu()
{
    const auto items = HistoryMenuItems(editor_.settings.history, DocumentFolder());
    for (int i = 0; i < HistorySize; ++i) {
        historyItems_[i]->setText(items[i].caption);
        historyItems_[i]->setVisible(items[i].visible);
    }
}

} // namespace zol
