// SVG files from the File menu: the folder beside the document (or named by
// the user for a document never saved), pieces or silhouette as answered,
// the gauge, and the ways nothing is written.
#include "EditorFixture.h"

#include "io/AppPaths.h"
#include "io/DocumentFile.h"

#include <QDir>
#include <QProgressBar>

namespace zol::test {
namespace {

class SvgCommand : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        QObject::connect(&ToolBarGauge(), &QProgressBar::valueChanged, [this](int v) { gauge.push_back(v); });
    }
    void SavedDocument(const QStringList& captions)
    {
        AddFigures(captions);
        form->editor().model.setModified(true);
        SaveDocument(form->editor().model, ProgramPath("shapes.zol"));
        form->ShowEditor();
    }
    QStringList Files(const QString& folder) const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    std::vector<int> gauge;
};

TEST_F(SvgCommand, WritesAFilePerFigureBesideTheDocumentAndOffersTheFolder)
{
    SavedDocument({QStringLiteral("猫"), QStringLiteral("鳥")});
    dialogs.QueueAnswer(Dialogs::Answer::Yes); // pieces in the palette's colours
    dialogs.QueueAnswer(Dialogs::Answer::Yes); // open the folder
    Run("FileExportSvg");

    const QString folder = ProgramPath("shapes_svg");
    EXPECT_EQ(Files(folder), (QStringList{QStringLiteral("1-猫.svg"), QStringLiteral("2-鳥.svg")}));
    EXPECT_NE(ReadBytes(QDir(folder).filePath(QStringLiteral("1-猫.svg"))).find("<polygon"), std::string::npos);
    const QStringList asked = Shown(ScriptedDialogs::Kind::Confirmation);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("SVGファイルはフォルダー「%1」に作成されます。\n\n")
                                        .arg(DisplayPath(folder))))
        << asked[0].toStdString();
    EXPECT_EQ(asked[1], QStringLiteral("2 個のSVGファイルを書き出しました。\nフォルダーを開きますか？"));
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::OpenFolder), QStringList{folder});
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), 2);
    EXPECT_FALSE(ToolBarGauge().isVisible()) << "the gauge hides afterwards";
    EXPECT_FALSE(form->editor().model.modified());
}

TEST_F(SvgCommand, NoWritesTheSilhouettesAndAnExistingFolderIsTold)
{
    SavedDocument({QStringLiteral("猫")});
    QDir().mkpath(ProgramPath("shapes_svg"));
    dialogs.QueueAnswer(Dialogs::Answer::No);
    Run("FileExportSvg");
    const std::string svg = ReadBytes(ProgramPath("shapes_svg/1-猫.svg"));
    EXPECT_NE(svg.find("<path"), std::string::npos);
    EXPECT_EQ(svg.find("<polygon"), std::string::npos);
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::Confirmation)[0].contains(QStringLiteral("同じ名前のファイルは置き換えられます。")));
    EXPECT_TRUE(Shown(ScriptedDialogs::Kind::OpenFolder).isEmpty());
}

TEST_F(SvgCommand, CancelWritesNothing)
{
    SavedDocument({QStringLiteral("猫")});
    dialogs.QueueAnswer(Dialogs::Answer::Cancel);
    Run("FileExportSvg");
    EXPECT_FALSE(QFileInfo::exists(ProgramPath("shapes_svg")));
}

TEST_F(SvgCommand, ADocumentNeverSavedAsksWhereAndNamesTheFolderAfterTheAnswer)
{
    AddFigures({QStringLiteral("猫")});
    dialogs.QueuePath(ProgramPath("mine.svg"));
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    Run("FileExportSvg");
    EXPECT_EQ(Files(ProgramPath("mine_svg")), QStringList{QStringLiteral("1-猫.svg")});

    dialogs.QueuePath(std::nullopt);
    Run("FileExportSvg");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::SaveFile).size(), 2);
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Confirmation).size(), 2) << "a cancelled choice asks nothing more";
}

TEST_F(SvgCommand, AFolderThatCannotBeMadeIsReportedAndTheGaugeHides)
{
    AddFigures({QStringLiteral("猫")});
    dialogs.QueuePath(ProgramPath("no/such/folder/x.svg"));
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    Run("FileExportSvg");
    const QStringList errors = Shown(ScriptedDialogs::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("x_svg"))) << errors[0].toStdString();
    EXPECT_FALSE(ToolBarGauge().isVisible());
}

TEST_F(SvgCommand, ABrokenFigureIsReportedAndNothingWritten)
{
    SavedDocument({QStringLiteral("a")});
    AddBrokenFigure(QStringLiteral("broken"));
    dialogs.QueueAnswer(Dialogs::Answer::Yes);
    Run("FileExportSvg");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Error).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(ProgramPath("shapes_svg")));
}

} // namespace
} // namespace zol::test
