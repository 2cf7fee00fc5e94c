#pragma once
// Keeps out of a text field every character that the document's text
// encoding cannot store, so a caption is never mangled on saving. It reports
// every refusal with refused(): typed, pasted and input-method text alike
// (QLineEdit::inputRejected tells of typed keys only).

#include "model/TextEncoding.h"

#include <QValidator>

#include <functional>

namespace zol {

class EncodableTextValidator : public QValidator {
    Q_OBJECT
public:
    EncodableTextValidator(std::function<TextEncoding()> encoding, QObject* parent);

    State validate(QString& input, int& pos) const override;

signals:
    void refused() const;

private:
    std::function<TextEncoding()> encoding_;
};

} // namespace zol
