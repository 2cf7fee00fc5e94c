#include "export/CaptionText.h"

#include <QList>

namespace zol {

namespace {

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

bool BreaksLine(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

bool UnsafeInFileName(char32_t c)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    return c < 0x20 || c == 0x7F || QChar::category(c) == QChar::Other_Control ||
           (c < 0x80 && refused.contains(QChar(static_cast<char16_t>(c)))) || !IsXmlChar(c);
}

// The text with every code point for which `replace` holds swapped for `by`.
// Lone surrogates arrive as code points of their own.
template <typename Test>
QString Replaced(const QString& text, Test replace, char32_t by)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t kept = replace(c) ? by : c;
        result.append(QString::fromUcs4(&kept, 1));
    }
    return result;
}

} // namespace

QString XmlText(const QString& caption)
{
    return Replaced(caption, [](char32_t c) { return !IsXmlChar(c); }, U'\uFFFD');
}

QString OneLineText(const QString& caption)
{
    return Replaced(caption, [](char32_t c) { return BreaksLine(c) || !IsXmlChar(c); }, U' ');
}

QString FileNameText(const QString& caption, int maxLength)
{
    const QString replaced = Replaced(caption, UnsafeInFileName, U'_');
    std::u32string kept = replaced.toStdU32String();
    if (kept.size() > static_cast<size_t>(maxLength))
        kept.resize(static_cast<size_t>(maxLength));
    QString name = QString::fromStdU32String(kept);
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

} // namespace zol
