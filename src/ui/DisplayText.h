#pragma once
// The one place where the editor turns the model's text bytes into what the
// user sees, and what the user types back into bytes.

#include "model/TangramModel.h"

#include <QString>

#include <optional>
#include <string>

namespace zol {

// Caption of figure i (-1: the board's figure), decoded in the document's encoding.
QString CaptionText(const TangramModel& model, int i);
// The user's caption in the document's encoding; nothing when it cannot hold it.
std::optional<std::string> CaptionBytes(const TangramModel& model, const QString& text);
// The piece set's display name, decoded in the set file's encoding.
QString SetDisplayName(const TangramModel& model);
// The document path, its bytes kept whatever they are (see NativePath).
QString DocumentPathText(const TangramModel& model);

} // namespace zol
