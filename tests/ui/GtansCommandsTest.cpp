// Importing a gTans collection as a new document and exporting the list in
// that format, through the File menu's actions and scripted dialogs.
#include "EditorFixture.h"

#include "io/AppPaths.h"
#include "io/GtansFile.h"
#include "io/TextCodec.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class GtansCommands : public EditorFixture {
protected:
    void Import(const QString& path)
    {
        dialogs.QueuePath(path);
        Run("FileImportGtans");
    }
    std::vector<QString> Errors() const { return dialogs.texts(Kind::Error); }
};

TEST_F(GtansCommands, ImportOpensTheFiguresAsANewUnsavedDocument)
{
    const QString path = CopyFixture("two-figures.figures", QStringLiteral("two-figures.figures"));
    Import(path);
    EXPECT_TRUE(Errors().empty()) << Errors().front().toStdString();
    EXPECT_EQ(dialogs.records().at(0).request.filter, QStringLiteral("gTansの図形|*.figures|すべてのファイル|*.*"));
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("two-figures 1"), QStringLiteral("two-figures 2")}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), form->editor().model.ParseFigure(0));
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_FALSE(form->editor().model.hasDocumentFile());
    const std::vector<QString> told = dialogs.texts(Kind::Information);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("2 個の図形を読み込みました。"))) << told[0].toStdString();
    EXPECT_TRUE(Action("FileExportGtans").isEnabled());
}

TEST_F(GtansCommands, MalformedFileIsNamedWithItsLineAndChangesNothing)
{
    const QString path = WriteFile(QStringLiteral("bad.figures"), "gTans v1.0 1\n1 1 1024\np 9 0 1 1 0\n");
    Run("EditAdd");
    const QStringList rows = Rows();
    dialogs.QueueAnswer(Dialogs::Answer::No); // not saved first
    Import(path);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("3 行目: ピースの種類は"))) << Errors()[0].toStdString();
    EXPECT_EQ(Rows(), rows);
}

TEST_F(GtansCommands, ExportWritesTheListThatImportReadsBackAndSaysHowMany)
{
    Import(CopyFixture("two-figures.figures", QStringLiteral("two-figures.figures")));
    const QString out = ProgramPath(QStringLiteral("out.figures"));
    dialogs.clearRecords();
    dialogs.QueuePath(out);
    Run("FileExportGtans");
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(ReadGtansFile(out).size(), 2u);
    EXPECT_EQ(dialogs.texts(Kind::Information),
              std::vector<QString>{QStringLiteral("2 個の図形を書き出しました。\n") + DisplayPath(out)});
}

TEST_F(GtansCommands, ExportReportsAFileThatCannotBeWritten)
{
    Run("EditAdd");
    const QString locked = ProgramPath(QStringLiteral("missing-folder/out.figures"));
    dialogs.QueuePath(locked);
    Run("FileExportGtans");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("ファイルを保存できませんでした。"))) << Errors()[0].toStdString();
    EXPECT_TRUE(dialogs.texts(Kind::Information).empty()) << "no word of figures written";
}

// A document of another set is refused before a file is asked for, naming
// the set as its menu does.
TEST_F(GtansCommands, ExportRefusesAnotherSetBeforeTheFileDialog)
{
    const std::string displayName = *EncodeText(QStringLiteral("四角"), TextEncoding::Cp932);
    form->editor().model.InstallSetLines({"square", "1", "4,0,0,0,0,10,0,10,10,0,10", "0,0,0,1", displayName, "90"},
                                         TextEncoding::Cp932);
    form->editor().model.ClearFigureList();
    Run("EditAdd");
    Run("FileExportGtans");
    EXPECT_TRUE(dialogs.texts(Kind::SaveFile).empty());
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], QStringLiteral("gTans 形式で書き出せるのは組み込みのタングラムの図形だけです。\n"
                                          "この文書のピースセットは 四角 です。"));
}

TEST_F(GtansCommands, AnImportedCollectionIsFirstSavedUnderItsName)
{
    Import(CopyFixture("two-figures.figures", QStringLiteral("two-figures.figures")));
    dialogs.clearRecords();
    Run("FileSave");
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_EQ(dialogs.records()[0].request.initialPath,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("two-figures"));

    dialogs.QueueAnswer(Dialogs::Answer::No); // the import is not saved
    Run("FileNew");
    Run("EditAdd");
    dialogs.clearRecords();
    Run("FileSave");
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_TRUE(dialogs.records()[0].request.initialPath.endsWith(QStringLiteral("新しいファイル")))
        << "a new document is proposed under the usual name";
}

TEST_F(GtansCommands, ExportNeedsFigures)
{
    form->editor().model.ClearFigureList();
    form->ShowEditor();
    EXPECT_FALSE(Action("FileExportGtans").isEnabled());
    EXPECT_TRUE(Action("FileImportGtans").isEnabled());
}

} // namespace
} // namespace zol::test
