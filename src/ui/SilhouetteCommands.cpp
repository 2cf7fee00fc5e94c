// The list's figures as silhouettes: the groups of figures that share one,
// and the other solutions of the selected figure, each in a window of
// thumbnails.
#include "ui/ZolForm.h"

#include "export/DuplicateFinder.h"
#include "io/TextCodec.h"
#include "model/FigureRenderer.h"
#include "model/SilhouetteSolver.h"
#include "ui/Dialogs.h"
#include "ui/DisplayText.h"
#include "ui/FigureGallery.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace zol {

namespace {

// The search for solutions stops at this many, or after this long.
constexpr int SolutionLimit = 60;
constexpr std::chrono::seconds SolutionSearchTime{60};

} // namespace

void TZolForm::ShowGallery(const QString& name, const QString& title, const std::vector<FigureGallery::Row>& rows,
                           std::function<void(int)> clicked)
{
    if (gallery_)
        gallery_->close();
    gallery_ = new FigureGallery(title, rows, [this, clicked](int id) { Guarded([&] { clicked(id); }); }, this);
    gallery_->setObjectName(name);
    gallery_->show();
}

void TZolForm::EditFindDuplicatesExecute()
{
    const DuplicateGroups found = FindDuplicates(editor_.model, progress());
    if (found.groups.empty()) {
        dialogs_.Information(tr("見つかりませんでした。"));
        return;
    }
    const FigureRenderer renderer(editor_.model);
    std::vector<FigureGallery::Row> rows;
    for (const std::vector<int>& group : found.groups) {
        FigureGallery::Row& row = rows.emplace_back();
        // Numbered as the list box numbers its rows, from 1.
        for (int i : group)
            row.push_back({renderer.Guide(editor_.model.ParseFigure(i), editor_.view.guideReduction()),
                           QStringLiteral("%1: %2").arg(i + 1).arg(CaptionText(editor_.model, i)), i});
    }
    ShowGallery(QStringLiteral("DuplicatesWindow"), tr("重複する図形"), rows, [this](int i) {
        if (i >= editor_.model.figureCount())
            return; // the list changed since
        list_.Select(i);
        list_.RowClicked();
    });
}

void TZolForm::EditFindSolutionsExecute()
{
    const int s = editor_.view.selectedRow;
    if (s < 0)
        return;
    const Figure figure = editor_.model.ParseFigure(s);
    SolveRequest request;
    request.set = editor_.model.pieceSet();
    request.target = FigureSilhouette(request.set, figure);
    request.limit = SolutionLimit;
    request.deadline = std::chrono::steady_clock::now() + SolutionSearchTime;
    std::atomic<int> found = 0;
    request.found = [&found](const Figure&) { ++found; };
    const SolveResult result = SolveWithGauge(request, found);

    if (result.solutions.empty()) {
        dialogs_.Information(result.complete() ? tr("この図形はピースで作れません。")
                                               : tr("解が見つかりませんでした。"));
        return;
    }
    const FigureRenderer renderer(editor_.model);
    std::vector<FigureGallery::Row> rows;
    std::vector<Figure> solutions;
    for (const Figure& solution : result.solutions) {
        if (rows.empty() || rows.back().size() == 6)
            rows.emplace_back();
        Figure captioned = solution;
        captioned.caption = figure.caption;
        solutions.push_back(captioned);
        const int n = int(solutions.size());
        rows.back().push_back({renderer.Guide(captioned, editor_.view.guideReduction()), tr("解 %1").arg(n), n - 1});
    }
    const QString title = result.complete() ? tr("別解（%1 通り）").arg(solutions.size())
                                            : tr("別解（%1 通り、探索は途中まで）").arg(solutions.size());
    ShowGallery(QStringLiteral("SolutionsWindow"), title, rows, [this, solutions](int k) {
        LeavePuzzle();
        editor_.model.SetCurrentFigure(solutions[k]);
        list_.HideTable();
        ShowBoardAndGuide(UndoStep::Push);
    });
}

// The search runs on a thread of its own while the window's gauge and a
// small dialog with a cancel button count the solutions found.
SolveResult TZolForm::SolveWithGauge(SolveRequest& request, const std::atomic<int>& found)
{
    std::stop_source stop;
    request.stop = stop.get_token();
    QProgressDialog waiting(tr("別解を探しています…"), tr("中止"), 0, 0, this);
    waiting.setObjectName(QStringLiteral("SolveProgress"));
    waiting.setWindowTitle(tr("別解を探す"));
    waiting.setWindowModality(Qt::WindowModal);
    waiting.setMinimumDuration(0);
    connect(&waiting, &QProgressDialog::canceled, &waiting, [&stop] { stop.request_stop(); });
    Progress& gauge = progress();
    gauge.Start(request.limit);

    SolveResult result;
    std::exception_ptr error;
    std::atomic<bool> done = false;
    {
        std::jthread worker([&] {
            try {
                result = Solve(request);
            } catch (...) {
                error = std::current_exception();
            }
            done = true;
        });
        QEventLoop loop;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &loop, [&] {
            waiting.setLabelText(tr("別解を探しています… %1 通り").arg(found.load()));
            gauge.Step(found);
            if (done)
                loop.quit();
        });
        poll.start(50);
        loop.exec();
    }
    gauge.Finish();
    waiting.reset();
    if (error)
        std::rethrow_exception(error);
    return result;
}

} // namespace zol
