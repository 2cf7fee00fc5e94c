#include "ui/EncodableTextValidator.h"

#include "io/TextCodec.h"

namespace zol {

EncodableTextValidator::EncodableTextValidator(std::function<TextEncoding()> encoding, QObject* parent)
    : QValidator(parent), encoding_(std::move(encoding))
{
}

QValidator::State EncodableTextValidator::validate(QString& input, int&) const
{
    if (EncodeText(input, encoding_()))
        return Acceptable;
    emit refused();
    return Invalid;
}

} // namespace zol
