#include "io/DocumentEncoding.h"

#include "io/TextCodec.h"
#include "model/TangramModel.h"

namespace zol {

std::optional<std::vector<std::string>> RecodeLines(const std::vector<std::string>& lines, TextEncoding from,
                                                    TextEncoding to)
{
    std::vector<std::string> recoded;
    recoded.reserve(lines.size());
    for (const std::string& line : lines) {
        std::optional<std::string> text = Recode(line, from, to);
        if (!text)
            return std::nullopt;
        recoded.push_back(std::move(*text));
    }
    return recoded;
}

bool ConvertDocumentEncoding(TangramModel& model, TextEncoding to)
{
    const TextEncoding from = model.documentEncoding();
    if (from == to)
        return true;
    auto lines = RecodeLines(model.figureLines(), from, to);
    auto caption = Recode(model.GetFigureCaption(-1), from, to);
    if (!lines || !caption)
        return false;
    model.SetFigureLines(std::move(*lines), to);
    model.SetFigureCaption(-1, *caption);
    model.setDocumentBom(false);
    return true;
}

} // namespace zol
