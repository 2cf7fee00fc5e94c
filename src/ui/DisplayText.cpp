#include "ui/DisplayText.h"

#include "io/NativePath.h"
#include "io/TextCodec.h"

namespace zol {

QString CaptionText(const TangramModel& model, int i)
{
    return DecodeText(model.GetFigureCaption(i), model.documentEncoding());
}

std::optional<std::string> CaptionBytes(const TangramModel& model, const QString& text)
{
    return EncodeText(text, model.documentEncoding());
}

QString SetDisplayName(const TangramModel& model)
{
    return DecodeText(model.pieceSet().displayName, model.setEncoding());
}

QString DocumentPathText(const TangramModel& model) { return PathFromNative(model.documentPath()); }

} // namespace zol
