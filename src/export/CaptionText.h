#pragma once
// Captions made safe for where the vector exports put them: XML text, a
// comment line of TeX, a file name. A caption is the user's text and may hold
// anything a document line can.

#include <QString>

namespace zol {

// Characters XML 1.0 does not allow (most control characters, lone
// surrogates, U+FFFE and U+FFFF) become U+FFFD; markup is escaped by the
// writer.
QString XmlText(const QString& caption);

// The caption on one line: every control character and line or paragraph
// separator becomes a space, so that a comment stays one comment.
QString OneLineText(const QString& caption);

// The caption as part of a file name on any common system: no path
// separators, no characters Windows refuses, no control characters, no
// leading or trailing dots and spaces, at most `maxLength` characters.
QString FileNameText(const QString& caption, int maxLength);

} // namespace zol
