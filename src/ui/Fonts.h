#pragma once
// The typefaces of the editor's windows, by the names its forms use, and the
// installed fonts that stand in for them.

#include <QFont>
#include <QString>

namespace zol {

inline const QString GothicP = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoP = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");

// Maps the names above onto the IPA fonts; call once before building windows.
void RegisterFontSubstitutions();

// A font of `family` with a size in pixels.
QFont PixelFont(const QString& family, int pixels);

} // namespace zol
