#include "ui/Fonts.h"

namespace zol {

void RegisterFontSubstitutions()
{
    QFont::insertSubstitution(GothicP, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(MinchoP, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(Gothic, QStringLiteral("IPAGothic"));
}

QFont PixelFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace zol
