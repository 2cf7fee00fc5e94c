#include "io/PieceSetFile.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"
#include "io/VersionLine.h"
#include "io/PrompterText.h"
#include "model/TangramModel.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zol {

namespace {

constexpr const char* NotFoundMessage =
    QT_TRANSLATE_NOOP("zol::Prompter", "あう～\n\n.pltファイルが見つからへんかったのん、\n\n堪忍したってな。");
constexpr const char* UnsupportedMessage =
    QT_TRANSLATE_NOOP("zol::Prompter", "pltファイルが未対応のバージョンのものでした。");
constexpr const char* OldFileQuestion =
    QT_TRANSLATE_NOOP("zol::Prompter", "pltファイルがZol2.13よりも前に使われていたもののようです。\n\n"
                                       "ファイルを新しいバージョンの形式に書き換えますか？");

std::optional<QString> FindInFolder(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList candidates = dir.entryList({"*.plt"}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& candidate : candidates) {
        if (candidate.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(candidate);
    }
    return std::nullopt;
}

bool GiveUp(TangramModel& model, Prompter& prompter, const char* message)
{
    prompter.Inform(PrompterText(message));
    model.setLoadFailed(true);
    model.LoadBuiltInSet();
    model.ClearFigureList();
    return false;
}

} // namespace

std::optional<QString> FindPieceSetFile(const QString& name, const QString& folder)
{
    // A name is a file's base name; a separator would make it a path elsewhere.
    if (name.contains('/') || name.contains(QChar(0)))
        return std::nullopt;
    for (const QString& dir : {folder, PieceSetFolder()}) {
        if (dir.isEmpty())
            continue;
        if (auto path = FindInFolder(dir, name + ".plt"))
            return path;
    }
    return std::nullopt;
}

bool LoadPieceSet(TangramModel& model, const QString& name, const QString& currentFolder, Prompter& prompter)
{
    model.setLoadFailed(false);
    const std::optional<QString> path = FindPieceSetFile(name, currentFolder);
    if (!path && name == QLatin1String(BuiltInSetKey)) {
        // The built-in set needs no file; a file of its name still comes first.
        model.LoadBuiltInSet();
        return true;
    }
    if (!path)
        return GiveUp(model, prompter, NotFoundMessage);
    const TextLines file = ReadLineFile(*path);
    std::vector<std::string> lines = file.lines;
    const std::string first = lines.empty() ? std::string() : lines.front();
    if (DecodeText(first, file.encoding) == name) {
        // A file of the old format starts with its set name, not the version.
        OfferVersionLine(*path, file, OldFileQuestion, prompter);
    } else if (StartsWithVersion(lines)) {
        lines.erase(lines.begin());
    } else {
        return GiveUp(model, prompter, UnsupportedMessage);
    }
    model.InstallSetLines(lines, file.encoding);
    return true;
}

bool ChangePieceSet(TangramModel& model, const QString& name, const QString& currentFolder, Prompter& prompter)
{
    const bool loaded = LoadPieceSet(model, name, currentFolder, prompter);
    if (loaded)
        model.ClearFigureList();
    return loaded;
}

QString PieceSetErrorReport(const std::vector<PieceSetFileError>& errors, Language language)
{
    QString report = QString::fromStdString(MessageText({MessageId::PieceSetErrors, {}}, language));
    for (const PieceSetFileError& error : errors)
        report += '\n' + error.path + ": " + QString::fromStdString(MessageText(error.problem, language));
    return report;
}

QString PieceSetScanFolder()
{
    const QString folder = PieceSetFolder();
    return QFileInfo(folder).isDir() ? folder : ProgramFolder();
}

PieceSetMenu ScanPieceSets(TangramModel& model, const QString& folder, Prompter& prompter)
{
    PieceSetMenu menu;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QDir dir(folder);
    for (const QString& file : dir.entryList({"*.plt"}, QDir::Files | QDir::Hidden, QDir::Name)) {
        try {
            // A set that gives up leaves the built-in set, whose names it then shows.
            ChangePieceSet(model, QFileInfo(file).completeBaseName(), folder, prompter);
        } catch (const std::runtime_error& e) { // ConversionError, FileError
            menu.errors.push_back({DisplayPath(dir.filePath(file)), MessageOf(e)});
            continue;
        }
        const QString displayName = DecodeText(model.pieceSet().displayName, model.setEncoding());
        // Equal captions keep the order in which their files were found.
        const auto at = std::upper_bound(menu.displayNames.begin(), menu.displayNames.end(), displayName,
                                         [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        const auto k = at - menu.displayNames.begin();
        menu.displayNames.insert(at, displayName);
        menu.setNames.insert(menu.setNames.begin() + k, DecodeText(model.pieceSet().name, model.setEncoding()));
    }
    model.LoadBuiltInSet();
    model.ClearFigureList();
    return menu;
}

} // namespace zol
