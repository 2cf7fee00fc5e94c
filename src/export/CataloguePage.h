#pragma once
// The catalogue's web page: a title, the date and one image line per strip.

#include "export/StripPacking.h"
#include "model/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace zol {

struct CataloguePage {
    QString name;          // the document's name without extension
    uint32_t background;   // colour 0x00BBGGRR of the page
    uint32_t text;         // colour 0x00BBGGRR of its texts
    QString date;          // today in the system's short format
    TextEncoding encoding; // the document's: CP932 pages say x-sjis, UTF-8 ones utf-8
    std::vector<Strip> strips;
};

// `&`, `<`, `>` and `"` as character references, so any name keeps the page valid.
QString EscapeHtml(const QString& text);

// "#RRGGBB" digits of a colour 0x00BBGGRR, upper case.
QString HtmlColor(uint32_t color);

// The page as lines. The image links keep the backslash of the original
// program's pages ("shapes_files\5.png"): browsers read it as a separator.
std::vector<QString> PageLines(const CataloguePage& page);

// The file's bytes: every line ended by CR LF, in the page's encoding; a
// character that encoding cannot hold is written as a numeric reference.
std::string PageBytes(const CataloguePage& page);

} // namespace zol
