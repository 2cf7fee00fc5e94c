// Importing a gTans collection as a new document and exporting the list in
// that format, through the File menu's actions and scripted dialogs.
#include "EditorFixture.h"

#include "io/GtansFile.h"
#include "io/TextCodec.h"

#include <QDir>
#include <QFile>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class GtansCommands : public EditorFixture {
protected:
    void Import(const QString& path)
    {
        dialogs.QueuePath(path);
        form->FileImportGtans->trigger();
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
    EXPECT_TRUE(form->FileExportGtans->isEnabled());
}

TEST_F(GtansCommands, MalformedFileIsNamedWithItsLineAndChangesNothing)
{
    const QString path = WriteFile(QStringLiteral("bad.figures"), "gTans v1.0 1\n1 1 1024\np 9 0 1 1 0\n");
    form->EditAdd->trigger();
    const QStringList rows = Rows();
    dialogs.QueueAnswer(Dialogs::Answer::No); // not saved first
    Import(path);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("3 行目: ピースの種類は"))) << Errors()[0].toStdString();
    EXPECT_EQ(Rows(), rows);
}

TEST_F(GtansCommands, ExportWritesTheListThatImportReadsBack)
{
    Import(CopyFixture("two-figures.figures", QStringLiteral("two-figures.figures")));
    const QString out = ProgramPath(QStringLiteral("out.figures"));
    dialogs.QueuePath(out);
    form->FileExportGtans->trigger();
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(ReadGtansFile(out).size(), 2u);
}

TEST_F(GtansCommands, ExportRefusesAnotherSetAndAnUnwritableFile)
{
    form->EditAdd->trigger();
    const QString locked = ProgramPath(QStringLiteral("missing-folder/out.figures"));
    dialogs.QueuePath(locked);
    form->FileExportGtans->trigger();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("ファイルを保存できませんでした。"))) << Errors()[0].toStdString();

    dialogs.clearRecords();
    form->editor().model.InstallSetLines({"square", "1", "4,0,0,0,0,10,0,10,10,0,10", "0,0,0,1", "x", "90"},
                                         TextEncoding::Cp932);
    form->editor().model.ClearFigureList();
    form->EditAdd->trigger();
    dialogs.QueuePath(ProgramPath(QStringLiteral("square.figures")));
    form->FileExportGtans->trigger();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].startsWith(QStringLiteral("gTans 形式で書き出せるのは組み込みのタングラムの図形だけです。")))
        << Errors()[0].toStdString();
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("square")));
    EXPECT_FALSE(QFile::exists(ProgramPath(QStringLiteral("square.figures"))));
}

TEST_F(GtansCommands, ExportNeedsFigures)
{
    form->editor().model.ClearFigureList();
    form->UpdateCommandState();
    EXPECT_FALSE(form->FileExportGtans->isEnabled());
    EXPECT_TRUE(form->FileImportGtans->isEnabled());
}

} // namespace
} // namespace zol::test
