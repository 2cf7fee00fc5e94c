#include "io/History.h"

#include "io/AppPaths.h"
#include "io/NativePath.h"
#include "model/TextEncoding.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zol {

namespace {

// Paths that differ in letter case alone name one file on a case-blind file
// system. Case folding only: a locale's collation would also equate width and
// kana variants (あ, ア, ｱ), which are different files everywhere.
bool SamePath(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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
    // Zol.ini keeps text: a name that is not would come back as another name.
    if (HasForeignBytes(path))
        return;
    auto match =
        std::find_if(history.begin(), history.end(), [&](const QString& entry) { return SamePath(entry, path); });
    // Without a match the oldest entry makes room.
    if (match == history.end())
        match = history.end() - 1;
    std::move_backward(history.begin(), match, match + 1);
    history.front() = path;
}

std::array<HistoryMenuItem, HistorySize> HistoryMenuItems(const HistoryList& history, const QString& documentFolder)
{
    const QString folder = QDir::cleanPath(documentFolder);
    std::array<HistoryMenuItem, HistorySize> items;
    for (int i = 0; i < HistorySize; ++i) {
        const QString& entry = history[i];
        const QFileInfo info(entry);
        const bool inFolder = SamePath(QDir::cleanPath(info.path()), folder);
        const QString name = inFolder ? info.fileName() : DisplayPath(entry);
        items[i] = {'&' + QString::number(i) + ' ' + MenuText(name), !entry.isEmpty()};
    }
    return items;
}

} // namespace zol
