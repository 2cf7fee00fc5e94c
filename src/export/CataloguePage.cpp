#include "export/CataloguePage.h"

#include "io/TextCodec.h"
#include "model/ColourValue.h"

#include <QList>

namespace zol {

QString EscapeHtml(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

QString HtmlColor(uint32_t color)
{
    return QStringLiteral("%1").arg(SwapRedBlue(color), 6, 16, QLatin1Char('0')).toUpper();
}

namespace {

// A name in a relative link: the characters that would end or escape its path.
QString LinkName(const QString& name)
{
    QString out = name;
    out.replace(QLatin1Char('%'), QStringLiteral("%25"));
    out.replace(QLatin1Char('#'), QStringLiteral("%23"));
    out.replace(QLatin1Char('?'), QStringLiteral("%3F"));
    return EscapeHtml(out);
}

} // namespace

std::vector<QString> PageLines(const CataloguePage& page)
{
    const QString name = EscapeHtml(page.name);
    const QString link = LinkName(page.name);
    const QString text = HtmlColor(page.text);
    const QString charset =
        page.encoding == TextEncoding::Utf8 ? QStringLiteral("utf-8") : QStringLiteral("x-sjis");
    std::vector<QString> lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://www.w3.org/TR/html4/strict.dtd\">"),
        QStringLiteral("<html lang=\"ja\">"),
        QString(),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + name + QStringLiteral("</title>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html;charset=") + charset +
            QStringLiteral("\">"),
        QStringLiteral("<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">"),
        QStringLiteral("</head>"),
        QString(),
        QStringLiteral("<body style=\"background-color:#") + HtmlColor(page.background) + QStringLiteral("\">"),
        QStringLiteral("<span style=\"font-size:24px; color:#") + text + QStringLiteral("\">") + name +
            QStringLiteral("</span><br>"),
        QStringLiteral("<span style=\"font-size:10px; color:#") + text + QStringLiteral("\">") +
            EscapeHtml(page.date) + QStringLiteral("</span><br>"),
        QStringLiteral("<div style=\"text-align:center\">"),
    };
    for (const Strip& strip : page.strips)
        lines.push_back(QStringLiteral(" <p><img src=\"%1_files\\%2.png\" style=\"width:%3px; height:%4px\"></p>")
                            .arg(link)
                            .arg(strip.end)
                            .arg(strip.width)
                            .arg(StripHeight));
    for (const char* tail : {"", "</div>", "</body>", "", "</html>"})
        lines.push_back(QString::fromLatin1(tail));
    return lines;
}

namespace {

std::string EncodeWithReferences(const QString& line, TextEncoding encoding)
{
    if (auto bytes = EncodeText(line, encoding))
        return *bytes;
    std::string out;
    for (const char32_t c : line.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (auto bytes = EncodeText(one, encoding))
            out += *bytes;
        else
            out += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    }
    return out;
}

} // namespace

std::string PageBytes(const CataloguePage& page)
{
    std::string bytes;
    for (const QString& line : PageLines(page)) {
        bytes += EncodeWithReferences(line, page.encoding);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zol
