// One tick of the active viewer while the pieces move (interpolate, draw,
// reduce to 128 x 128), plain and over a background picture, against the
// board-memset baseline.

#include "BoardBaseline.h"

#include "model/Random.h"
#include "model/TangramModel.h"
#include "model/ViewerAnimation.h"
#include "model/ViewerPicture.h"

#include <QImage>

namespace zol::bench {

namespace {

// A list of scattered figures in leaf colours: the pieces travel far.
struct Show {
    Show()
    {
        SeedRandom(1);
        model.SetPalette(0x000000, 200, 172, 156, 55, 83, 99);
        for (int k = 0; k < 4; ++k) {
            model.ResetFigure();
            model.StoreFigure(-1);
        }
        background.fill(qRgb(200, 190, 160));
    }
    TangramModel model;
    QImage background{BoardSize, BoardSize, QImage::Format_RGB32};
};

// Ticks of the first two seconds of every cycle, where all pieces move.
void MovingTicks(benchmark::State& state, const QImage* background)
{
    Show s;
    ViewerAnimation animation(s.model, 0);
    ViewerCanvas canvas(s.model);
    MeasureAgainstMemset(state, [&] {
        while (!animation.Tick() || animation.t() > 2.0f) {
        }
        canvas.Draw(animation.shown(), background, true);
        benchmark::DoNotOptimize(canvas.picture().constBits());
    });
}

void BM_ViewerTick(benchmark::State& state) { MovingTicks(state, nullptr); }

void BM_ViewerTickOverPicture(benchmark::State& state)
{
    Show s;
    MovingTicks(state, &s.background);
}

} // namespace

BENCHMARK(BM_ViewerTick);
BENCHMARK(BM_ViewerTickOverPicture);

} // namespace zol::bench
