#include "export/VectorExport.h"

#include "export/Catalogue.h"
#include "export/CaptionText.h"
#include "export/ProgressRun.h"
#include "export/PuzzleSheets.h"
#include "export/SvgFigure.h"
#include "export/TikzFigure.h"
#include "io/AtomicFile.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zol {

namespace {

// Captions longer than this are cut in file names: with the number and the
// extension, four bytes a character stay within the 255 bytes of a name.
constexpr int FileNameCaption = 48;

// Every file of these exports is written here, whole or not at all.
void WriteVectorFile(const QString& path, std::string_view bytes) { WriteFileAtomically(path, bytes); }

// Reads every figure first, so that a broken one stops the export before
// anything is written.
void CheckFigures(const TangramModel& model, const std::vector<int>& figures)
{
    for (const int index : figures)
        model.ParseFigure(index);
}

std::vector<int> ListFigures(const TangramModel& model)
{
    std::vector<int> figures(static_cast<size_t>(model.figureCount()));
    for (int k = 0; k < model.figureCount(); ++k)
        figures[static_cast<size_t>(k)] = k;
    return figures;
}

VectorFigure FigureOf(const TangramModel& model, int index, const VectorRequest& request)
{
    return MakeVectorFigure(model, model.ParseFigure(index), request.style);
}

// Makes the folder; true when it was made here (false when it was there).
bool MakeSvgFolder(const QString& folder)
{
    if (MakeFolder(folder))
        return true;
    const int error = errno;
    if (error == EEXIST && IsFolder(folder))
        return false;
    throw FileError(Message{MessageId::WriteFailed, {folder.toStdString(), std::strerror(error)}});
}

} // namespace

QString SvgFolder(const QString& documentPath) { return CatalogueBase(documentPath) + QStringLiteral("_svg"); }

QString SvgFileName(int number, int count, const QString& caption)
{
    const int width = static_cast<int>(QString::number(std::max(number, count)).size());
    const QString name = FileNameText(caption, FileNameCaption);
    const QString numbered = QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    return (name.isEmpty() ? numbered : numbered + QLatin1Char('-') + name) + QStringLiteral(".svg");
}

void WriteSvgFile(const TangramModel& model, int index, const QString& path, const VectorRequest& request)
{
    WriteVectorFile(path, SvgDocument(FigureOf(model, index, request), request.scale).toStdString());
}

std::vector<QString> WriteSvgFolder(const TangramModel& model, const QString& folder, const VectorRequest& request,
                                    Progress& progress)
{
    const std::vector<int> figures = ListFigures(model);
    if (figures.empty())
        throw NoFiguresError();
    CheckFigures(model, figures);
    const bool made = MakeSvgFolder(folder);
    ProgressRun run(progress, model.figureCount());
    std::vector<QString> written;
    try {
        for (const int k : figures) {
            const VectorFigure figure = FigureOf(model, k, request);
            const QString path = QDir(folder).filePath(SvgFileName(k + 1, model.figureCount(), figure.caption));
            WriteVectorFile(path, SvgDocument(figure, request.scale).toStdString());
            written.push_back(path);
            run.Step(k + 1);
        }
    } catch (...) {
        if (made)
            RemoveEmptyFolder(folder);
        throw;
    }
    return written;
}

void WriteTikzFile(const TangramModel& model, const std::vector<int>& figures, const QString& path,
                   const VectorRequest& request, bool standalone, Progress& progress)
{
    if (figures.empty())
        throw NoFiguresError();
    CheckFigures(model, figures);
    AtomicFile file(path); // a target that cannot be written is told before the work
    ProgressRun run(progress, static_cast<int>(figures.size()));
    std::vector<std::string> pictures;
    pictures.reserve(figures.size());
    for (const int index : figures) {
        pictures.push_back(TikzPictureText({index + 1, FigureOf(model, index, request)}, request.scale));
        run.Step(static_cast<int>(pictures.size()));
    }
    file.Write(TikzFileText(pictures, standalone));
    file.Commit();
}

} // namespace zol
