// Puzzle sheets from the File menu: what the dialog proposes and remembers,
// the PDF written with the gauge running, and the ways nothing is written.
#include "EditorFixture.h"

#include "io/AppPaths.h"
#include "io/DocumentFile.h"
#include "ui/PuzzleSheetDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>

namespace zol::test {
namespace {

class PuzzleSheetCommand : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        QObject::connect(&ToolBarGauge(), &QProgressBar::valueChanged, [this](int v) { gauge.push_back(v); });
    }
    // A saved document of `count` figures in the program folder.
    void SavedDocument(int count)
    {
        QStringList captions;
        for (int i = 0; i < count; ++i)
            captions << QStringLiteral("形%1").arg(i);
        AddFigures(captions);
        form->editor().model.setModified(true);
        SaveDocument(form->editor().model, ProgramPath("shapes.zol"));
        form->ShowEditor();
    }
    std::vector<PuzzleSheetRequest> Proposals() const
    {
        std::vector<PuzzleSheetRequest> out;
        for (const ScriptedDialogs::Record& r : dialogs.records())
            if (r.kind == ScriptedDialogs::Kind::PuzzleSheet)
                out.push_back(r.sheet);
        return out;
    }
    std::vector<int> gauge;
};

TEST_F(PuzzleSheetCommand, WritesThePdfChosenAndOffersTheSameLayoutNextTime)
{
    SavedDocument(3);
    const QString pdf = ProgramPath("shapes.pdf");
    dialogs.QueueSheet(PuzzleSheetRequest{pdf, 2, true});
    Run("FilePuzzleSheets");

    ASSERT_EQ(Proposals().size(), 1u);
    EXPECT_EQ(Proposals()[0].path, pdf) << "beside the document, named after it";
    EXPECT_EQ(Proposals()[0].perPage, 4);
    EXPECT_FALSE(Proposals()[0].solutions);
    EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF-"));
    // Two puzzle pages, each followed by its solutions.
    const QString done = QStringLiteral("パズルシートのPDFを書き出しました（4ページ）。\n%1").arg(DisplayPath(pdf));
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Information), QStringList{done});
    EXPECT_EQ(ToolBarGauge().maximum(), 6);
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), 6);
    EXPECT_FALSE(ToolBarGauge().isVisible()) << "the gauge hides afterwards";
    EXPECT_FALSE(form->editor().model.modified());

    dialogs.QueueSheet(std::nullopt);
    Run("FilePuzzleSheets");
    ASSERT_EQ(Proposals().size(), 2u);
    EXPECT_EQ(Proposals()[1].perPage, 2);
    EXPECT_TRUE(Proposals()[1].solutions);
}

TEST_F(PuzzleSheetCommand, OfANeverSavedDocumentProposesTheFolderSaveAsWould)
{
    AddFigures({"a"});
    form->findChild<QAction*>("FilePuzzleSheets")->trigger();
    ASSERT_EQ(Proposals().size(), 1u);
    EXPECT_EQ(Proposals()[0].path,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("新しいファイル.pdf"));
}

TEST_F(PuzzleSheetCommand, AnExistingFileIsReplacedOnlyAfterYes)
{
    SavedDocument(1);
    const QString pdf = WriteFile("old.pdf", "old");
    dialogs.QueueSheet(PuzzleSheetRequest{pdf, 1, false});
    dialogs.QueueAnswer(Dialogs::Answer::No);
    Run("FilePuzzleSheets");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Warning).size(), 1);
    EXPECT_EQ(ReadBytes(pdf), "old");
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Information).isEmpty());

    dialogs.QueueSheet(PuzzleSheetRequest{pdf, 1, false});
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    Run("FilePuzzleSheets");
    EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF-"));
}

TEST_F(PuzzleSheetCommand, AFileThatCannotBeWrittenIsReportedAndTheGaugeHides)
{
    SavedDocument(2);
    dialogs.QueueSheet(PuzzleSheetRequest{ProgramPath("no/such/folder/s.pdf"), 4, false});
    Run("FilePuzzleSheets");
    const QStringList errors = Shown(ScriptedDialogs::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("ファイルを保存できませんでした。")))
        << errors[0].toStdString();
    EXPECT_FALSE(ToolBarGauge().isVisible());
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Information).isEmpty());
}

TEST_F(PuzzleSheetCommand, ABrokenFigureIsReportedAndNothingWritten)
{
    AddFigures({"a"});
    AddBrokenFigure(QStringLiteral("broken"));
    dialogs.QueueSheet(PuzzleSheetRequest{ProgramPath("s.pdf"), 4, false});
    Run("FilePuzzleSheets");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Error).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(ProgramPath("s.pdf")));
}

// --- the dialog itself ------------------------------------------------------------

TEST(PuzzleSheetDialogFields, StartFromTheProposalAndGiveBackWhatTheUserSet)
{
    QString browsedFrom;
    PuzzleSheetDialog dialog({"/tmp/a.pdf", 6, true}, [&](const QString& current) -> std::optional<QString> {
        browsedFrom = current;
        return QStringLiteral("/tmp/b.pdf");
    });
    auto* path = dialog.findChild<QLineEdit*>("SheetPath");
    auto* perPage = dialog.findChild<QComboBox*>("SheetPerPage");
    auto* solutions = dialog.findChild<QCheckBox*>("SheetSolutions");
    ASSERT_TRUE(path && perPage && solutions);
    EXPECT_EQ(path->text(), "/tmp/a.pdf");
    EXPECT_EQ(perPage->currentText(), "6");
    EXPECT_TRUE(solutions->isChecked());

    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().startsWith(QStringLiteral("参照")))
            button->click();
    EXPECT_EQ(browsedFrom, "/tmp/a.pdf");
    perPage->setCurrentIndex(perPage->findText("2"));
    solutions->setChecked(false);
    const PuzzleSheetRequest request = dialog.request();
    EXPECT_EQ(request.path, "/tmp/b.pdf");
    EXPECT_EQ(request.perPage, 2);
    EXPECT_FALSE(request.solutions);

    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    path->clear();
    EXPECT_FALSE(ok->isEnabled()) << "no file, no OK";
    path->setText("c.pdf");
    EXPECT_TRUE(ok->isEnabled());
}

} // namespace
} // namespace zol::test
