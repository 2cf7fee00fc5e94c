#pragma once
// Keeps out of a text field every character that the document's text
// encoding cannot store, so a caption is never mangled on saving. The field
// reports the refusal through QLineEdit::inputRejected.

#include "model/TextEncoding.h"

#include <QValidator>

#include <functional>

namespace zol {

class EncodableTextValidator : public QValidator {
public:
    EncodableTextValidator(std::function<TextEncoding()> encoding, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    std::function<TextEncoding()> encoding_;
};

} // namespace zol
