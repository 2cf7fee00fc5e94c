// zoltool animate DOC.zol OUT: the active viewer's slide show as a file, tick
// by tick at 50 ms: an animated lossless WebP, or a folder of PNGs named by
// tick number.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/DocumentCommands.h"
#include "cli/PaletteOptions.h"
#include "cli/PngOutput.h"
#include "io/AppPaths.h"
#include "io/AtomicFile.h"
#include "io/NativePath.h"
#include "io/ViewerBackground.h"
#include "model/TangramModel.h"
#include "model/ViewerAnimation.h"
#include "model/ViewerPicture.h"

#include <QFileInfo>

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

namespace zol::cli {

namespace {

constexpr int TickMs = 50;
constexpr int CycleTicks = 140; // one figure change
constexpr int MaxScale = 8;
constexpr int MaxFigureChanges = 10000;

// Frames go to a WebP encoder or into a folder; a frame is added only when
// the picture changed, and lasts until the next one.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual void Add(const QImage& picture, int tick) = 0;
    virtual void Finish(int ticks) = 0;
};

// A folder of its own for the show, empty or new: frames of an earlier run
// would mix with these. An animation that fails part way removes the frames
// it wrote and the folders it made.
class PngFolder : public FrameSink {
public:
    explicit PngFolder(const QString& folder) : folder_(folder)
    {
        if (PathExists(folder) && !IsFolder(folder))
            throw CommandFailure(DisplayPath(folder).toStdString() + " is a file; the frames go into a folder");
        if (HoldsEntries(folder))
            throw CommandFailure("the folder " + DisplayPath(folder).toStdString() +
                                 " already holds files; the frames go into an empty or a new folder");
        made_ = MakeFolders(folder);
    }
    ~PngFolder() override
    {
        if (finished_)
            return;
        for (const QString& path : written_)
            RemoveFile(path);
        for (auto made = made_.rbegin(); made != made_.rend(); ++made)
            RemoveEmptyFolder(*made);
    }
    void Add(const QImage& picture, int tick) override
    {
        // Every tick has its picture: repeat the last one up to this tick.
        for (; next_ < tick; ++next_)
            Save(last_, next_);
        last_ = picture;
        Save(picture, next_++);
    }
    void Finish(int ticks) override
    {
        for (; next_ < ticks; ++next_)
            Save(last_, next_);
        finished_ = true;
    }

private:
    void Save(const QImage& picture, int tick)
    {
        const QString path = folder_ + QStringLiteral("/%1.png").arg(tick);
        WritePng(picture, path);
        written_.push_back(path);
    }
    QString folder_;
    std::vector<QString> made_;
    std::vector<QString> written_;
    QImage last_;
    int next_ = 0;
    bool finished_ = false;
};

class WebpAnimation : public FrameSink {
public:
    // The file is begun before the long encoding, so that a target that
    // cannot be written is told at once.
    WebpAnimation(const QString& path, int side) : file_(path)
    {
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config_))
            throw CommandFailure("libwebp does not match its headers");
        options.anim_params.loop_count = 0; // endless, as the viewer plays
        config_.lossless = 1;
        encoder_ = WebPAnimEncoderNew(side, side, &options);
        if (!encoder_)
            throw CommandFailure("cannot start the WebP encoder");
    }
    ~WebpAnimation() override { WebPAnimEncoderDelete(encoder_); }

    void Add(const QImage& picture, int tick) override
    {
        WebPPicture frame;
        WebPPictureInit(&frame);
        frame.use_argb = 1;
        frame.width = picture.width();
        frame.height = picture.height();
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        const bool ok = WebPPictureImportBGRA(&frame, argb.constBits(), static_cast<int>(argb.bytesPerLine())) &&
                        WebPAnimEncoderAdd(encoder_, &frame, tick * TickMs, &config_);
        WebPPictureFree(&frame);
        if (!ok)
            throw CommandFailure(std::string("WebP encoding failed: ") + WebPAnimEncoderGetError(encoder_));
    }

    void Finish(int ticks) override
    {
        WebPData data;
        WebPDataInit(&data);
        if (!WebPAnimEncoderAdd(encoder_, nullptr, ticks * TickMs, nullptr) ||
            !WebPAnimEncoderAssemble(encoder_, &data))
            throw CommandFailure(std::string("WebP encoding failed: ") + WebPAnimEncoderGetError(encoder_));
        const std::unique_ptr<WebPData, void (*)(WebPData*)> held(&data, WebPDataClear);
        file_.Write(std::string_view(reinterpret_cast<const char*>(data.bytes), data.size));
        file_.Commit();
    }

private:
    AtomicFile file_;
    WebPConfig config_;
    WebPAnimEncoder* encoder_ = nullptr;
};

void LoadDocument(const Arguments& arguments, TangramModel& model, int& start)
{
    std::ostringstream messages;
    if (LoadDocumentFigure({arguments.operand(0), 0}, model, messages) != FigureLoad::Loaded) {
        std::string text = messages.str();
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        throw UsageError(text.empty() ? "cannot open " + arguments.operand(0) : text);
    }
    start = arguments.integer("--start", 0, 0, model.figureCount() - 1);
}

QImage Background(const Arguments& arguments)
{
    const std::optional<std::string> file = arguments.value("--background");
    if (!file)
        return {};
    std::string why;
    QImage picture = ReadViewerPicture(PathFromNative(*file), &why);
    if (picture.isNull())
        throw UsageError("cannot use the picture " + *file + ": " + why);
    return picture;
}

std::unique_ptr<FrameSink> SinkFor(const std::string& out, int side)
{
    const QString path = PathFromNative(out);
    if (QFileInfo(path).suffix().compare(QStringLiteral("webp"), Qt::CaseInsensitive) == 0)
        return std::make_unique<WebpAnimation>(path, side);
    return std::make_unique<PngFolder>(path);
}

} // namespace

void RunAnimate(const Arguments& arguments, std::ostream&)
{
    TangramModel model;
    int start = 0;
    LoadDocument(arguments, model, start);
    const int changes = arguments.integer("--figures", model.figureCount(), 1, MaxFigureChanges);
    const int scale = arguments.integer("--scale", 1, 1, MaxScale);
    const std::optional<std::string> tag = arguments.value("--palette");
    ApplyPalette(arguments, tag ? FixedRecord(*tag) : StartupPalette, model);
    const QImage background = Background(arguments);
    const bool antialias = !arguments.has("--no-aa");

    ViewerAnimation animation(model, start);
    animation.SetPictureLoaded(!background.isNull());
    ViewerCanvas canvas(model, scale);
    const std::unique_ptr<FrameSink> sink = SinkFor(arguments.operand(1), GuideSize * scale);
    const QImage* shownBackground = background.isNull() ? nullptr : &background;

    // Tick 0 shows the first figure at rest, as the viewer does before the
    // pieces set off; every later tick is one step of the viewer's timer.
    const int ticks = changes * CycleTicks;
    canvas.Draw(animation.shown(), shownBackground, antialias);
    sink->Add(canvas.picture(), 0);
    for (int tick = 1; tick < ticks; ++tick) {
        if (!animation.Tick())
            continue;
        canvas.Draw(animation.shown(), shownBackground, antialias);
        sink->Add(canvas.picture(), tick);
    }
    sink->Finish(ticks);
}

} // namespace zol::cli
