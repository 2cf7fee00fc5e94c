#include "export/GtansTransfer.h"

#include "io/GtansFile.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/GtansFit.h"
#include "model/TangramModel.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace zol {

namespace {

// Captions in CP932 when it holds the file's name, else the document is UTF-8.
struct Captions {
    TextEncoding encoding = TextEncoding::Cp932;
    std::vector<std::string> texts;
};

Captions CaptionsFor(const QString& path, int count)
{
    const QString name = QFileInfo(path).completeBaseName();
    for (const TextEncoding encoding : {TextEncoding::Cp932, TextEncoding::Utf8}) {
        Captions captions{encoding, {}};
        for (int k = 0; k < count; ++k) {
            const std::optional<std::string> text = EncodeText(name + QStringLiteral(" %1").arg(k + 1), encoding);
            if (!text)
                break;
            captions.texts.push_back(*text);
        }
        if (int(captions.texts.size()) == count)
            return captions;
    }
    // Every name is UTF-8 text.
    return {TextEncoding::Utf8, std::vector<std::string>(size_t(count))};
}

} // namespace

GtansImportResult ImportGtans(TangramModel& model, const QString& path)
{
    const GtansCollection collection = ReadGtansFile(path);
    TangramModel builtIn; // the fit needs the built-in set, whatever the model holds now
    std::vector<Figure> figures;
    GtansImportResult result;
    for (const GtansFigure& gtans : collection) {
        const GtansImport imported = FigureFromGtans(builtIn, gtans);
        figures.push_back(imported.figure);
        result.worstError = std::max(result.worstError, imported.worstError);
    }
    const Captions captions = CaptionsFor(path, int(figures.size()));

    model.LoadBuiltInSet();
    model.ClearFigureList();
    const Figure board = model.GetCurrentFigure();
    model.setDocumentEncoding(captions.encoding);
    for (size_t k = 0; k < figures.size(); ++k) {
        figures[k].caption = captions.texts[k];
        model.SetCurrentFigure(figures[k]);
        model.StoreFigure(-1);
    }
    model.SetCurrentFigure(board);
    result.figures = int(figures.size());
    return result;
}

void ExportGtans(const TangramModel& model, const QString& path)
{
    if (!HoldsBuiltInSet(model))
        throw ConversionError(Message{MessageId::GtansOtherSet,
                                      {DecodeText(model.pieceSet().name, model.setEncoding()).toStdString()}});
    // A figure at a time: a large document is not held twice over.
    GtansWriter file(path, model.figureCount());
    for (int k = 0; k < model.figureCount(); ++k)
        file.Add(GtansFromFigure(model, model.ParseFigure(k)));
    file.Commit();
}

} // namespace zol
