#pragma once
// The HTML catalogue of the open document: a page B.htm and a folder B_files
// of PNG strips, each strip showing several cropped figures with captions.

#include "export/StripPacking.h"
#include "io/Progress.h"
#include "model/Message.h"

#include <QFont>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zol {

class TangramModel;

struct CatalogueRequest {
    QString base;          // page is base + ".htm", strips in base + "_files"
    bool antialias = true; // figure images reduced as the guide is
    QString date;          // today, in the system's short format
    int threads = 0;       // strips drawn at once; 0 for one per core
};

struct CatalogueResult {
    QString page;                     // the page's path
    std::vector<QString> strips;      // strip files written, in order
    std::optional<Message> stripError; // the strip that failed, and why; later ones were not tried
    std::optional<Message> pageError; // the page could not be written, and why

    bool stripFailed() const { return stripError.has_value(); }
};

// B for a document path: its folder and name without extension.
QString CatalogueBase(const QString& documentPath);

// The face the captions are written in: 9 points on a 96-dpi strip.
QFont CaptionFont();

// The cells of every figure: crop and caption width. Throws ConversionError
// for a figure that cannot be read.
std::vector<CatalogueCell> CatalogueCells(TangramModel& model);

// Writes the strips, then the page, which lists the strips written before a
// failed one. The model's list and board figure stay as they were. Strips are
// drawn on worker threads that read the model, so nothing may change it
// until this returns.
CatalogueResult WriteCatalogue(TangramModel& model, const CatalogueRequest& request, Progress& progress);

} // namespace zol
