#include "export/Catalogue.h"

#include "export/CataloguePage.h"
#include "export/ExportDrawing.h"
#include "export/PngStrip.h"
#include "export/ProgressRun.h"
#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "io/TextCodec.h"
#include "model/ColourValue.h"
#include "model/FigureRenderer.h"
#include "model/TangramModel.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <future>
#include <optional>
#include <thread>

namespace zol {

namespace {

QString Caption(const TangramModel& model, int k) { return DecodeText(model.GetFigureCaption(k), model.documentEncoding()); }

// Draws the strip of figures strip.first ... strip.end - 1. The model is only
// read, so painters on several threads may share it.
class StripPainter {
public:
    StripPainter(const TangramModel& model, bool antialias, uint32_t background, uint32_t text)
        : model_(model), renderer_(model), antialias_(antialias), background_(background), text_(ToQColor(text))
    {
    }

    // The strip image is kept for the next strip of the same width: a fresh
    // one per strip costs the kernel more to map than painting it does.
    const QImage& Paint(const Strip& strip, const std::vector<CatalogueCell>& cells)
    {
        const int width = std::max(StripWidth, strip.width);
        if (image_.width() != width)
            image_ = QImage(width, StripHeight, QImage::Format_RGB32);
        QImage& image = image_;
        image.fill(QColor::fromRgb(background_));
        QPainter painter(&image);
        painter.setFont(CaptionFont());
        painter.setPen(text_);
        int x = 0;
        for (int k = strip.first; k < strip.end; ++k) {
            const CatalogueCell& cell = cells[k];
            const int c = cell.width();
            renderer_.DrawFigure(model_.ParseFigure(k), 1.0, board_, Background::Fill);
            renderer_.ReduceBoard(board_, figure_, antialias_ ? GuideReduction::Antialias : GuideReduction::Stretch);
            CopyCrop(cell.crop, image, x + (c - (cell.crop.right - cell.crop.left)) / 2);
            painter.drawText(QRect(x + (c - cell.captionWidth) / 2, CaptionTop, cell.captionWidth + 1,
                                   StripHeight - CaptionTop),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Caption(model_, k));
            x += c;
        }
        return image;
    }

private:
    // The crop's rows land on the rows just above the caption band.
    void CopyCrop(const Rect& crop, QImage& image, int column)
    {
        const int w = crop.right - crop.left;
        const int h = crop.bottom - crop.top;
        if (w <= 0 || h <= 0)
            return;
        for (int row = 0; row < h; ++row) {
            const auto* in = reinterpret_cast<const QRgb*>(figure_.constScanLine(crop.top + row)) + crop.left;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(CaptionTop - h + row)) + column;
            std::copy(in, in + w, out);
        }
    }

    const TangramModel& model_;
    const FigureRenderer renderer_;
    bool antialias_;
    uint32_t background_;
    QColor text_;
    QImage board_{BoardSize, BoardSize, QImage::Format_RGB32};
    QImage figure_{GuideSize, GuideSize, QImage::Format_RGB32};
    QImage image_;
};

// Draws and encodes every strip on a few long-lived workers, each with its
// own painter and images: worker w takes strips w, w + n, w + 2n ... The
// caller takes the results in strip order from Next(); dropping the pool
// stops the workers after the strip each is on.
class StripWorkers {
public:
    StripWorkers(const TangramModel& model, const CatalogueRequest& request, const std::vector<CatalogueCell>& cells,
                 const std::vector<Strip>& strips, int workers)
        : promises_(strips.size())
    {
        for (auto& promise : promises_)
            futures_.push_back(promise.get_future());
        for (int w = 0; w < workers; ++w)
            threads_.emplace_back([&, w, workers] { Work(model, request, cells, strips, w, workers); });
    }
    ~StripWorkers()
    {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }
    StripWorkers(const StripWorkers&) = delete;
    StripWorkers& operator=(const StripWorkers&) = delete;

    // The PNG bytes of the next strip, nothing when it could not be encoded;
    // rethrows what drawing it threw.
    std::optional<QByteArray> Next() { return futures_[next_++].get(); }

private:
    void Work(const TangramModel& model, const CatalogueRequest& request, const std::vector<CatalogueCell>& cells,
              const std::vector<Strip>& strips, int first, int step)
    {
        StripPainter painter(model, request.antialias, BackgroundPixel(model), model.LabelColor());
        for (size_t i = static_cast<size_t>(first); i < strips.size() && !stop_; i += static_cast<size_t>(step)) {
            try {
                promises_[i].set_value(EncodePngStrip(painter.Paint(strips[i], cells), strips[i].width));
            } catch (...) {
                // The caller stops at this strip, so the later ones are not needed.
                promises_[i].set_exception(std::current_exception());
                return;
            }
        }
    }

    std::vector<std::promise<std::optional<QByteArray>>> promises_;
    std::vector<std::future<std::optional<QByteArray>>> futures_;
    std::vector<std::thread> threads_;
    std::atomic<bool> stop_{false};
    size_t next_ = 0;
};

int WorkerCount(const CatalogueRequest& request)
{
    if (request.threads > 0)
        return request.threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

// Nothing, or the file and why it could not be written.
std::optional<Message> WriteStrip(const std::optional<QByteArray>& png, const QString& path)
{
    try {
        if (!png)
            FailEncoding(path);
        WritePngBytes(*png, path);
    } catch (const FileError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace

QString CatalogueBase(const QString& documentPath)
{
    const QFileInfo info(documentPath);
    return QDir(info.path()).filePath(info.completeBaseName());
}

QFont CaptionFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    // 9 points at the 96 dots per inch of a strip image.
    font.setPixelSize(12);
    return font;
}

std::vector<CatalogueCell> CatalogueCells(TangramModel& model)
{
    const QFontMetrics metrics(CaptionFont());
    std::vector<CatalogueCell> cells;
    cells.reserve(static_cast<size_t>(model.figureCount()));
    for (int k = 0; k < model.figureCount(); ++k)
        cells.push_back({CropOf(ListFigureBounds(model, k)), metrics.horizontalAdvance(Caption(model, k))});
    return cells;
}

CatalogueResult WriteCatalogue(TangramModel& model, const CatalogueRequest& request, Progress& progress)
{
    CatalogueResult result;
    result.page = request.base + QStringLiteral(".htm");
    const QString folder = request.base + QStringLiteral("_files");
    // One level only; a folder that cannot be made fails the first strip,
    // for the folder's own reason.
    const bool madeFolder = MakeFolder(folder);
    const int folderError = madeFolder ? 0 : errno;

    const uint32_t background = BackgroundPixel(model);
    // The page names colours as 0x00BBGGRR.
    CataloguePage page{QFileInfo(request.base).fileName(), SwapRedBlue(background), model.LabelColor(),
                       request.date, model.documentEncoding(), {}};
    ProgressRun run(progress, model.figureCount());
    const std::vector<CatalogueCell> cells = CatalogueCells(model);
    const std::vector<Strip> strips = PackStrips(cells);
    // Strips are drawn and encoded ahead on workers, but written, counted and
    // listed here in strip order: a failed strip stops at the same place as
    // a one-by-one run, and the gauge only moves forward.
    {
        StripWorkers workers(model, request, cells, strips, WorkerCount(request));
        for (const Strip& strip : strips) {
            const std::optional<QByteArray> png = workers.Next();
            const QString path = QDir(folder).filePath(QStringLiteral("%1.png").arg(strip.end));
            result.stripError = WriteStrip(png, path);
            if (result.stripError) {
                if (folderError != 0 && folderError != EEXIST)
                    result.stripError = Message{MessageId::FolderFailed,
                                                {DisplayPath(folder).toStdString(),
                                                 SystemReason(folderError).toStdString()}};
                break;
            }
            run.Step(strip.end);
            result.strips.push_back(path);
            page.strips.push_back(strip);
        }
    } // a failed strip stops the workers before the page is written
    try {
        WriteFileAtomically(result.page, PageBytes(page));
    } catch (const FileError& e) {
        result.pageError = e.message();
    }
    // A catalogue that failed leaves no folder of its own making behind empty;
    // one of an empty document is part of what it wrote.
    if (madeFolder && result.strips.empty() && (result.stripError || result.pageError))
        RemoveEmptyFolder(folder);
    return result;
}

} // namespace zol
