// Deleting and inserting a figure near the top of a 100 000-figure list, as
// the list commands do, with the list shown: the rows tell the view of the
// one row that changed. Beside it, the change to the model's lines alone
// (what no list can save), and the same change with every row below it
// decoded and set again, as a list that holds its own copies of the captions
// must. All against the board-memset baseline.

#include "BoardBaseline.h"

#include "io/TextCodec.h"
#include "ui/FigureListBox.h"

#include <QApplication>
#include <QListWidget>

#include <string>
#include <vector>

namespace zol::bench {

namespace {

constexpr int Figures = 100000;

// A long document of Japanese captions in the files' usual code page.
struct LongList {
    LongList()
    {
        std::vector<std::string> lines{model.pieceSet().name};
        const std::string placement = model.FormatPlacementLine();
        for (int i = 0; i < Figures; ++i) {
            lines.push_back(*EncodeText(QStringLiteral("三角の家 %1").arg(i), TextEncoding::Cp932));
            lines.push_back(placement);
        }
        model.SetFigureLines(std::move(lines), TextEncoding::Cp932);
    }
    // Row 1 goes and comes back: the model as it was, two changes further.
    template <typename Removed, typename Inserted>
    void DeleteAndInsertAt1(Removed removed, Inserted inserted)
    {
        model.LoadFigure(1);
        model.RemoveFigure(1);
        removed();
        model.StoreFigure(1);
        inserted();
    }
    TangramModel model;
};

// Lets the view lay out and paint what it was told.
void ShowChanges(QWidget& view)
{
    view.repaint();
    QCoreApplication::processEvents();
}

void BM_FigureLinesDeleteInsertNearTop(benchmark::State& state)
{
    LongList list;
    MeasureAgainstMemset(state, [&] { list.DeleteAndInsertAt1([] {}, [] {}); });
}

void BM_ListRowsDeleteInsertNearTop(benchmark::State& state)
{
    LongList list;
    FigureListBox box(list.model, nullptr);
    box.resize(137, 356);
    box.show();
    ShowChanges(box);
    MeasureAgainstMemset(state, [&] {
        list.DeleteAndInsertAt1([&] { box.rows().FiguresRemoved(1, 1); }, [&] { box.rows().FiguresInserted(1, 1); });
        ShowChanges(box);
    });
}

void BM_ListRebuiltBelowDeleteInsertNearTop(benchmark::State& state)
{
    LongList list;
    QListWidget box;
    for (int i = 0; i < Figures; ++i)
        box.addItem(DecodeText(list.model.GetFigureCaption(i), TextEncoding::Cp932));
    box.resize(137, 356);
    box.show();
    ShowChanges(box);
    const auto rebuildFrom1 = [&] {
        for (int i = 1; i < list.model.figureCount(); ++i)
            box.item(i)->setText(DecodeText(list.model.GetFigureCaption(i), TextEncoding::Cp932));
    };
    MeasureAgainstMemset(state, [&] {
        list.DeleteAndInsertAt1(
            [&] {
                delete box.takeItem(1);
                rebuildFrom1();
            },
            [&] {
                box.insertItem(1, QString());
                rebuildFrom1();
            });
        ShowChanges(box);
    });
}

} // namespace

BENCHMARK(BM_FigureLinesDeleteInsertNearTop);
BENCHMARK(BM_ListRowsDeleteInsertNearTop);
BENCHMARK(BM_ListRebuiltBelowDeleteInsertNearTop)->Iterations(3);

} // namespace zol::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
