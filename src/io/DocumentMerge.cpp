#include "io/DocumentMerge.h"

#include "io/DocumentEncoding.h"
#include "io/LineFile.h"
#include "io/VersionLine.h"
#include "io/PrompterText.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

namespace zol {

namespace {

constexpr const char* WrongSetMessage =
    QT_TRANSLATE_NOOP("zol::Prompter", "未対応のバージョンか、または異なるピースセットのファイルです。");

// The number of header lines (1 without version line, 2 with), or 0 when the
// file is not a document of the current set.
size_t HeaderLines(const TextLines& file, const TangramModel& model)
{
    const auto namesSet = [&](size_t i) {
        return i < file.lines.size() &&
               SameText(file.lines[i], file.encoding, model.pieceSet().name, model.setEncoding());
    };
    if (namesSet(0))
        return 1;
    if (StartsWithVersion(file.lines) && namesSet(1))
        return 2;
    return 0;
}

// The figure lines in the document's encoding; the document itself turns to
// UTF-8 when CP932 cannot hold them.
std::vector<std::string> InDocumentEncoding(TangramModel& model, const std::vector<std::string>& lines,
                                            TextEncoding encoding)
{
    if (encoding == model.documentEncoding())
        return lines;
    if (auto recoded = RecodeLines(lines, encoding, model.documentEncoding()))
        return *recoded;
    auto utf8 = RecodeLines(lines, encoding, TextEncoding::Utf8);
    if (!utf8 || !ConvertDocumentEncoding(model, TextEncoding::Utf8))
        throw ConversionError(Message{MessageId::MergeUnconvertible, {}});
    return *utf8;
}

} // namespace

MergeOutcome MergeDocument(TangramModel& model, const QString& path, Prompter& prompter)
{
    TextLines file = ReadLineFile(path);
    const size_t header = HeaderLines(file, model);
    if (header == 0) {
        prompter.Inform(PrompterText(WrongSetMessage));
        return {MergeOutcome::WrongSetOrVersion};
    }
    file.lines.erase(file.lines.begin(), file.lines.begin() + static_cast<std::ptrdiff_t>(header));
    const int pairs = static_cast<int>(file.lines.size() / 2);
    if (pairs == 0)
        return {MergeOutcome::NothingToMerge};

    // The merged file's unpaired last line is left out; the document's own
    // stays last, after the merged figures.
    file.lines.resize(2 * static_cast<size_t>(pairs));
    const std::vector<std::string> merged = InDocumentEncoding(model, file.lines, file.encoding);
    const int first = model.figureCount();
    FileLines lines = model.figureLines();
    for (size_t k = 0; k < merged.size(); k += 2)
        lines.Insert(2 * (static_cast<size_t>(first) + k / 2) + 1, {merged[k], merged[k + 1]});
    model.SetFigureLines(std::move(lines), model.documentEncoding());
    model.setModified(true);
    return {MergeOutcome::Merged, first, pairs};
}

} // namespace zol
