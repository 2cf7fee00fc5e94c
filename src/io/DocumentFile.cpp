#include "io/DocumentFile.h"

#include "io/AppPaths.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "io/PieceSetFile.h"
#include "io/TextCodec.h"
#include "io/VersionLine.h"
#include "io/PrompterText.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QFileInfo>

namespace zol {

namespace {

constexpr const char* NotFoundMessage = QT_TRANSLATE_NOOP("zol::Prompter", "指定されたファイルが見つかりませんでした。");
constexpr const char* OldNoSetMessage =
    QT_TRANSLATE_NOOP("zol::Prompter", "未対応のバージョンのzolファイルか、またはpltファイルが見つかりませんでした。");
constexpr const char* OldFileQuestion =
    QT_TRANSLATE_NOOP("zol::Prompter", "Zol2.13よりも前に作られたzolファイルのようです。\n\n"
                                       "ファイルを新しいバージョンの形式に書き換えますか？");

// Brings the file's lines to the in-memory form, whose line 0 is the set name.
// A document of the old format needs its piece-set file beside it or among the
// program's sets; false when there is none.
bool DropVersionLine(const QString& path, FileText& file, Prompter& prompter)
{
    if (StartsWithVersion(file.lines)) {
        file.lines.Erase(0, 1);
        return true;
    }
    const std::string_view setName = file.lines.empty() ? std::string_view() : file.lines.front();
    if (!FindPieceSetFile(DecodeText(setName, file.encoding), QFileInfo(path).absolutePath()))
        return false;
    OfferVersionLine(path, TextLines{file.lines, file.encoding, file.bom}, OldFileQuestion, prompter);
    return true;
}

// The model takes the form the document was written in, so that it goes on
// to show and save what the file holds.
void AdoptWrittenForm(TangramModel& model, TextLines written)
{
    model.setDocumentBom(written.bom);
    if (written.encoding == model.documentEncoding())
        return;
    const std::string caption = model.GetFigureCaption(-1);
    const TextEncoding from = model.documentEncoding();
    written.lines.erase(written.lines.begin());
    model.SetFigureLines(std::move(written.lines), written.encoding);
    model.SetFigureCaption(-1, DecodeText(caption, from).toStdString());
}

// One pass into a buffer of the final size, unless CP932 would pass for
// UTF-8 on reading: that text goes through WritableForm line by line.
void WriteDocumentFile(TangramModel& model, const QString& path)
{
    const TextEncoding encoding = model.documentEncoding();
    const bool bom = encoding == TextEncoding::Utf8;
    const FileBytes bytes = JoinLines(FormatVersion, model.figureLines(), encoding, bom);
    if (encoding == TextEncoding::Utf8 || DetectEncoding(bytes.view()) == TextEncoding::Cp932) {
        WriteFileAtomically(path, bytes.view());
        model.setDocumentBom(bom);
        return;
    }
    TextLines file{model.figureLines(), encoding, model.documentBom()};
    file.lines.insert(file.lines.begin(), FormatVersion);
    file = WritableForm(std::move(file));
    WriteFileAtomically(path, JoinLines(file));
    AdoptWrittenForm(model, std::move(file));
}

} // namespace

bool LoadDocument(TangramModel& model, const QString& path, const QString& currentFolder, Prompter& prompter)
{
    model.setSetChanged(false);
    model.setLoadFailed(false);
    if (!PathExists(path)) {
        prompter.Inform(PrompterText(NotFoundMessage));
        model.setLoadFailed(true);
        return false;
    }
    return LoadDocumentText(model, path, ReadTextFile(path), currentFolder, prompter);
}

bool LoadDocumentText(TangramModel& model, const QString& path, FileText file, const QString& currentFolder,
                      Prompter& prompter)
{
    model.setSetChanged(false);
    model.setLoadFailed(false);
    if (!DropVersionLine(path, file, prompter)) {
        prompter.Inform(PrompterText(OldNoSetMessage));
        model.setLoadFailed(true);
        model.LoadBuiltInSet();
        model.ClearFigureList();
        return false;
    }
    if (file.lines.empty())
        throw ConversionError(Message{MessageId::NoSetName, {}});
    const PieceSet& set = model.pieceSet();
    if (!SameText(file.lines.front(), file.encoding, set.name, model.setEncoding())) {
        if (!LoadPieceSet(model, DecodeText(file.lines.front(), file.encoding), currentFolder, prompter))
            return false;
        model.setSetChanged(true);
    }
    model.SetFigureLines(std::move(file.lines), file.encoding);
    model.setDocumentBom(file.bom);
    model.setDocumentPath(NativePath(QFileInfo(path).absoluteFilePath()).toStdString());
    model.ResetFigure();
    model.setModified(false);
    return true;
}

bool SaveDocument(TangramModel& model, const QString& path)
{
    if (!model.modified())
        return false;
    WriteDocumentFile(model, path);
    model.setDocumentPath(NativePath(QFileInfo(path).absoluteFilePath()).toStdString());
    model.setModified(false);
    return true;
}

} // namespace zol
