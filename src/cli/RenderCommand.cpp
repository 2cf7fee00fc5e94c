// zoltool render FIGURE OUT.png: the board picture, or the guide image.

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/FigureArgument.h"
#include "cli/PaletteOptions.h"
#include "cli/PngOutput.h"
#include "io/NativePath.h"
#include "model/FigureRenderer.h"

#include <QImage>

#include <cmath>
#include <ostream>

namespace zol::cli {

namespace {

// Large enough for any print, small enough to stay a few hundred megabytes.
constexpr double MaxScale = 16.0;

void RefuseMixedOptions(const Arguments& arguments)
{
    const bool guide = arguments.has("--guide");
    if (guide && arguments.has("--scale"))
        throw UsageError("--scale does not apply to --guide (the guide is 128 x 128)");
    for (const char* option : {"--no-aa", "--gamma"})
        if (!guide && arguments.has(option))
            throw UsageError(std::string(option) + " applies only to --guide");
}

QImage DrawBoard(const Arguments& arguments, const TangramModel& model)
{
    const double scale = arguments.real("--scale", 1.0);
    if (!(scale > 0.0 && scale <= MaxScale) || std::lround(BoardSize * scale) < 1)
        throw UsageError("--scale must lie above 0 and at most 16, and give at least one pixel");
    const int side = static_cast<int>(std::lround(BoardSize * scale));
    QImage bitmap(side, side, QImage::Format_RGB32);
    FigureRenderer(model).DrawBoardFigure(scale, bitmap, Background::Fill);
    return bitmap;
}

QImage DrawGuide(const Arguments& arguments, TangramModel& model)
{
    model.SetGamma(arguments.real("--gamma", 1.0));
    const auto reduction = arguments.has("--no-aa") ? GuideReduction::Stretch : GuideReduction::Antialias;
    return FigureRenderer(model).Guide(model.currentFigure(), reduction);
}

} // namespace

void RunRender(const Arguments& arguments, std::ostream&)
{
    RefuseMixedOptions(arguments);
    TangramModel model;
    LoadFigureArgument(arguments.operand(0), model);
    model.setZoomPercent(arguments.integer("--zoom", 100, 1, 1000));
    const std::optional<std::string> tag = arguments.value("--palette");
    // Without a window the workspace colour keeps the model's stand-in grey.
    ApplyPalette(arguments, tag ? FixedRecord(*tag) : StartupPalette, model);

    const QImage image = arguments.has("--guide") ? DrawGuide(arguments, model) : DrawBoard(arguments, model);
    WritePng(image, PathFromNative(arguments.operand(1)));
}

} // namespace zol::cli
