#include "io/History.h"

#include "io/AppPaths.h"
#include "model/TextEncoding.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zol {

namespace {

QCollator CaseBlindCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// A menu caption shows "&" as the accelerator mark unless doubled.
QString MenuText(const QString& text)
{
    return QString(text).replace('&', "&&");
}

} // namespace

void AddToHistory(HistoryList& history, const QString& path)
{
    if (path.isEmpty() || path == QString::fromStdString(LiteralText(ModelText::NewFile, TextEncoding::Utf8)))
        return;
    const QCollator collator = CaseBlindCollator();
    auto match = std::find_if(history.begin(), history.end(),
                              [&](const QString& entry) { return collator.compare(entry, path) == 0; });
    // Without a match the oldest entry makes room.
    if (match == history.end())
        match = history.end() - 1;
    std::move_backward(history.begin(), match, match + 1);
    history.front() = path;
}

std::array<HistoryMenuItem, HistorySize> HistoryMenuItems(const HistoryList& history, const QString& documentFolder)
{
    const QCollator collator = CaseBlindCollator();
    const QString folder = QDir::cleanPath(documentFolder);
    std::array<HistoryMenuItem, HistorySize> items;
    for (int i = 0; i < HistorySize; ++i) {
        const QString& entry = history[i];
        const QFileInfo info(entry);
        const bool inFolder = collator.compare(QDir::cleanPath(info.path()), folder) == 0;
        const QString name = inFolder ? info.fileName() : DisplayPath(entry);
        items[i] = {'&' + QString::number(i) + ' ' + MenuText(name), !entry.isEmpty()};
    }
    return items;
}

} // namespace zol
