// Sorting, clipboard copy and the catalogue from the window: the gauge, the
// list selection, board and guide as they were, and the questions asked.
#include "EditorFixture.h"

#include "export/FigureSort.h"
#include "export/SortOrder.h"
#include "io/DocumentFile.h"

#include "io/AppPaths.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QProgressBar>
#include <QStandardPaths>

namespace zol::test {
namespace {

class ExportCommands : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        QObject::connect(&ToolBarGauge(), &QProgressBar::valueChanged, [this](int v) { gauge.push_back(v); });
    }
    // What a list-wide command must leave as it was.
    struct View {
        Figure board;
        Figure guide;
        QImage boardBitmap;
        QImage guideBitmap;
        int undoEntries;
        bool operator==(const View&) const = default;
    };
    View Capture() const
    {
        return {form->editor().model.GetCurrentFigure(), form->editor().guideFigure, form->editor().boardBitmap, form->editor().guideBitmap,
                form->editor().undoRing().undoCount()};
    }
    void ExpectGaugeRanTo(int maximum)
    {
        EXPECT_EQ(ToolBarGauge().maximum(), maximum);
        ASSERT_FALSE(gauge.empty());
        EXPECT_EQ(gauge.back(), maximum);
        EXPECT_FALSE(ToolBarGauge().isVisible()) << "the gauge hides afterwards";
    }
    std::vector<int> gauge;
};

TEST_F(ExportCommands, CaptionSortKeepsTheSelectionOnItsFigure)
{
    AddFigures({"b", "A", "c", "a"});
    PlaceOnBoard(Spread());
    ClickRow(0);
    const View before = Capture();
    Run("OptSSort");
    EXPECT_EQ(Rows(), (QStringList{"a", "A", "b", "c"}));
    EXPECT_EQ(SelectedRow(), 2) << "\"b\" stays selected";
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("（変更）")));
    EXPECT_EQ(Capture(), before) << "board, guide and undo history as they were";
    ExpectGaugeRanTo(4);
}

TEST_F(ExportCommands, NuanceSortOrdersByTheKeysOfTheLevel)
{
    // Shifted across the board's right edge, figures lose parts of their outline.
    const int shifts[] = {0, 300, 150, 220, 80, 300};
    for (int i = 0; i < 6; ++i) {
        form->editor().model.SetCurrentFigure(Shifted(shifts[i], QStringLiteral("f%1").arg(i)));
        List().selectRow(-1);
        Run("EditAdd");
    }
    PlaceOnBoard(Spread());
    ClickRow(5);
    const View before = Capture();
    TangramModel copy = form->editor().model;
    NoProgress none;
    const std::vector<int> order = NuanceOrder(NuanceKeys(copy, 2, none));
    Run("OptNSortLevel2");
    QStringList expected;
    for (const int old : order)
        expected << QStringLiteral("f%1").arg(old);
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(SelectedRow(), NewPosition(order, 5));
    EXPECT_EQ(form->editor().model.modified(), !IsIdentity(order));
    EXPECT_EQ(Capture(), before);
    ExpectGaugeRanTo(6);
}

TEST_F(ExportCommands, NuanceSortOfOneFigureDoesNothing)
{
    AddFigures({"only"});
    form->editor().model.setModified(false);
    Run("OptNSortLevel1");
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_TRUE(gauge.empty()) << "no gauge shown";
}

TEST_F(ExportCommands, CopyPutsTheBoardPictureWithSelectionMarksOnTheClipboard)
{
    EXPECT_EQ(Action("ClipCopy1").shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    EXPECT_EQ(Action("ClipCopy2").shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    PlaceOnBoard(Spread());
    ClickBoard(SpreadPivot(3)); // picks piece 3 up: drawn as an outline
    ASSERT_EQ(form->board().mode, BoardMode::Carrying);
    Run("ClipCopy1");
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, form->editor().boardBitmap);
    EXPECT_EQ(copied.size(), QSize(BoardSize, BoardSize));
}

TEST_F(ExportCommands, CopyFollowsTheZoomAndTheGuideCopyIsTheGuideImage)
{
    PlaceOnBoard(Spread());
    Box("Copy1PercentageComboBox").setCurrentText(QStringLiteral("50"));
    Run("ClipCopy1");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), DrawnBoard());
    EXPECT_EQ(form->editor().model.zoomPercent(), 50);
    Run("ClipCopy2");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), form->editor().guideBitmap);
}

class CatalogueCommand : public ExportCommands {
protected:
    // A saved document of `count` figures in the program folder.
    QString SavedDocument(int count)
    {
        QStringList captions;
        for (int i = 0; i < count; ++i)
            captions << QStringLiteral("f%1").arg(i);
        AddFigures(captions);
        const QString path = ProgramPath("shapes.zol");
        form->editor().model.setModified(true);
        SaveDocument(form->editor().model, path);
        form->ShowEditor();
        return path;
    }
    QStringList Strips() const { return QDir(ProgramPath("shapes_files")).entryList(QDir::Files, QDir::Name); }
    const QString beside = QStringLiteral("HTMLファイルと画像フォルダーは、zolファイルと同じフォルダに作成されます。");
    const QString completed =
        QStringLiteral("カタログが完成しました。\nHTMLファイルが作成されたフォルダーをエクスプローラで開きますか？");
};

TEST_F(CatalogueCommand, WritesBesideTheDocumentAndOpensItsFolderOnYes)
{
    SavedDocument(3);
    const View before = Capture();
    dialogs.QueueAnswer(Dialogs::Answer::Ok);
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    Run("OptmkHTML");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Information), QStringList{beside});
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Confirmation), QStringList{completed});
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::OpenFolder), QStringList{QDir(programDir.path()).absolutePath()});
    EXPECT_TRUE(QFileInfo::exists(ProgramPath("shapes.htm")));
    EXPECT_EQ(Strips(), QStringList{"3.png"});
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_EQ(Capture(), before);
    ExpectGaugeRanTo(3);
}

TEST_F(CatalogueCommand, YesWithoutAFileBrowserSaysSo)
{
    SavedDocument(1);
    dialogs.hasFolderBrowser = false;
    dialogs.QueueAnswer(Dialogs::Answer::Ok);
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    form->findChild<QAction*>("OptmkHTML")->trigger();
    const QString folder = QDir(programDir.path()).absolutePath();
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::OpenFolder), QStringList{folder});
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Error),
              QStringList{QStringLiteral("フォルダを表示するファイルブラウザが見つかりません。\n") + DisplayPath(folder)});
}

TEST_F(CatalogueCommand, CancelWritesNothing)
{
    SavedDocument(2);
    const QStringList files = QDir(programDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    dialogs.QueueAnswer(Dialogs::Answer::Cancel);
    Run("OptmkHTML");
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Confirmation).isEmpty());
}

TEST_F(CatalogueCommand, AFailedStripIsReportedWithItsFileAndReasonAndThePageStillWritten)
{
    SavedDocument(2);
    QDir().mkpath(ProgramPath("shapes_files/2.png")); // a folder where the strip should go
    dialogs.QueueAnswer(Dialogs::Answer::Ok);
    Run("OptmkHTML");
    const QStringList told = Shown(ScriptedDialogs::Kind::Information);
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0], beside);
    const QStringList lines = told[1].split('\n');
    ASSERT_EQ(lines.size(), 4) << told[1].toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("png画像出力に失敗しました。"));
    EXPECT_EQ(lines[1], QStringLiteral("ファイルを保存できませんでした。"));
    EXPECT_EQ(lines[2], DisplayPath(ProgramPath("shapes_files/2.png")));
    EXPECT_FALSE(lines[3].trimmed().isEmpty()) << "the system's reason";
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Confirmation).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(ProgramPath("shapes.htm")));
    EXPECT_FALSE(ToolBarGauge().isVisible());
}

// A file stands where the chosen folder should be: no strip and no page can
// be written there, whoever runs the program.
TEST_F(CatalogueCommand, AFolderThatCannotBeWrittenIsReportedAsAnErrorAndNothingElse)
{
    AddFigures({"a", "b"});
    WriteFile("gone", "a file, not a folder");
    const QString page = ProgramPath("gone/cat.htm");
    dialogs.QueuePath(page);
    const View before = Capture();
    Run("OptmkHTML");
    const QStringList errors = Shown(ScriptedDialogs::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("ファイルを保存できませんでした。"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("cat.htm"))) << "names the page";
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Information).isEmpty());
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Confirmation).isEmpty()) << "no talk of a finished catalogue";
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::OpenFolder).isEmpty());
    EXPECT_TRUE(QFileInfo(ProgramPath("gone")).isFile()) << "the file in the way stays";
    EXPECT_FALSE(ToolBarGauge().isVisible());
    EXPECT_EQ(Capture(), before);
}

TEST_F(CatalogueCommand, OfANeverSavedDocumentAsksWhereToPutThePage)
{
    AddFigures({"a", "b"});
    dialogs.QueuePath(ProgramPath("catalogue/cat.htm"));
    QDir().mkpath(ProgramPath("catalogue"));
    Run("OptmkHTML");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::SaveFile).size(), 1);
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Information).isEmpty()) << "no talk of the zol file's folder";
    EXPECT_TRUE(QFileInfo::exists(ProgramPath("catalogue/cat.htm")));
    EXPECT_TRUE(QFileInfo::exists(ProgramPath("catalogue/cat_files/2.png")));
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Confirmation), QStringList{completed});
}

// Proposed where the document itself would be saved: the folder last
// chosen, else the user's documents, never the program's data.
TEST_F(CatalogueCommand, OfANeverSavedDocumentProposesTheFolderSaveAsWould)
{
    AddFigures({"a"});
    form->findChild<QAction*>("OptmkHTML")->trigger();
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_EQ(dialogs.records()[0].request.initialPath,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("新しいファイル.htm"));

    QDir().mkpath(ProgramPath("docs"));
    const QString chosen = ProgramPath("docs/first.zol");
    dialogs.QueuePath(chosen);
    form->findChild<QAction*>("FileSaveAs")->trigger();
    form->findChild<QAction*>("FileNew")->trigger();
    form->findChild<QAction*>("EditAdd")->trigger();
    dialogs.clearRecords();
    form->findChild<QAction*>("OptmkHTML")->trigger();
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_EQ(dialogs.records()[0].request.initialPath, ProgramPath("docs/新しいファイル.htm"));
}

TEST_F(CatalogueCommand, OfANeverSavedDocumentWritesNothingWhenTheDialogIsCancelled)
{
    AddFigures({"a"});
    const QStringList files = QDir(programDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList here = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    Run("OptmkHTML");
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), here) << "nothing in the current folder";
}

} // namespace
} // namespace zol::test
