// The piece-set menu built at start-up, and switching sets from it, from the
// file dialog and back to the built-in set.
#include "EditorFixture.h"

#include "ui/DisplayText.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;
using Answer = Dialogs::Answer;

// A one-square set whose file and set name is `name`.
std::string SquareSet(const std::string& name, const std::string& displayName)
{
    return "2.13\r\n" + name + "\r\n1\r\n4,20,20,0,0,40,0,40,40,0,40\r\n60,60,0,1\r\n" + displayName + "\r\n90\r\n";
}

class PieceSets : public EditorFixture {
protected:
    void PrepareProgramFolder() override
    {
        for (const char* name : {"tangram7", "tpuzzle", "stomachion", "seishonagon"})
            CopyData((std::string("pltes/") + name + ".plt").c_str(), QStringLiteral("pltes/%1.plt").arg(name));
        WriteFile("pltes/apple.plt", SquareSet("apple", "apple"));
        WriteFile("pltes/banana.plt", SquareSet("banana", "Banana"));
    }
    QStringList MenuCaptions() const
    {
        QStringList out;
        for (QAction* item : Control<QMenu>(QStringLiteral("PopupMenuPlt")).actions())
            out << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return out;
    }
    QAction* MenuItem(const QString& caption) const
    {
        for (QAction* item : Control<QMenu>(QStringLiteral("PopupMenuPlt")).actions())
            if (item->text() == caption)
                return item;
        ADD_FAILURE() << "no menu item " << caption.toStdString();
        return &Action("defaultPlt");
    }
};

TEST_F(PieceSets, StartUpListsEveryFileSortedByDisplayNameWithoutRegardToCase)
{
    EXPECT_EQ(MenuCaptions(), QStringList({QStringLiteral("タングラム"), QStringLiteral("-"), QStringLiteral("apple"),
                                           QStringLiteral("Banana"), QStringLiteral("Tパズル"),
                                           QStringLiteral("ストマキオン"), QStringLiteral("七巧板"),
                                           QStringLiteral("清少納言知恵の板")}));
    EXPECT_EQ(form->pieceSetNames(), (std::vector<QString>{"apple", "banana", "tpuzzle", "stomachion", "tangram7",
                                                           "seishonagon"}));
    EXPECT_EQ(MenuItem(QStringLiteral("七巧板"))->data().toInt(), 4);
    // After the scan the built-in set is in force, with an empty document for it.
    EXPECT_EQ(form->editor().model.pieceSet().name, "tan");
    EXPECT_EQ(form->editor().model.figureLines(), std::vector<std::string>{"tan"});
    EXPECT_EQ(StatusShown(1), QStringLiteral("タングラム"));
    EXPECT_TRUE(dialogs.records().empty());
}

TEST_F(PieceSets, ChoosingASetFromTheMenuSwitchesAtOnce)
{
    form->editor().model.setModified(true); // an empty but modified document is given up without a question
    MenuItem(QStringLiteral("Tパズル"))->trigger();
    EXPECT_TRUE(dialogs.records().empty());
    EXPECT_EQ(form->editor().model.pieceSet().name, "tpuzzle");
    EXPECT_EQ(form->editor().model.figureLines(), std::vector<std::string>{"tpuzzle"});
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_EQ(StatusShown(1), QStringLiteral("Tパズル"));
    EXPECT_EQ(form->editor().undoRing().undoCount(), 0);
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
}

TEST_F(PieceSets, TheDialogTakesAnySetFileAndStartsInThePieceSetFolder)
{
    const QString elsewhere = WriteFile("mine/ring.plt", SquareSet("ring", "輪"));
    dialogs.QueuePath(elsewhere);
    Run("EditChange");
    ASSERT_EQ(dialogs.records().size(), 1u);
    const auto& request = dialogs.records()[0].request;
    EXPECT_EQ(request.filter, QStringLiteral("ピース形状ファイル|*.plt"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("plt"));
    EXPECT_EQ(request.initialPath, ProgramPath("pltes"));
    EXPECT_EQ(form->editor().model.pieceSet().name, "ring");
    EXPECT_EQ(StatusShown(1), QStringLiteral("輪"));
    EXPECT_EQ(form->editor().currentFolder, ProgramPath("mine"));

    // Cancelled: nothing changes.
    dialogs.clearRecords();
    Run("EditChange");
    EXPECT_EQ(form->editor().model.pieceSet().name, "ring");
}

TEST_F(PieceSets, TheBuiltInSetAsksAboutUnsavedChangesFirst)
{
    MenuItem(QStringLiteral("七巧板"))->trigger();
    AddFigures({QStringLiteral("一")});
    dialogs.QueueAnswer(Answer::Cancel);
    Run("defaultPlt");
    EXPECT_EQ(Shown(Kind::Confirmation),
              QStringList({QStringLiteral("ファイルの内容が変わっています。\n\n保存しますか？")}));
    EXPECT_EQ(form->editor().model.pieceSet().name, "tangram7") << "the set the document names stays";
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("一")}));

    dialogs.QueueAnswer(Answer::No);
    Run("defaultPlt");
    EXPECT_EQ(form->editor().model.pieceSet().name, "tan");
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(form->editor().model.figureLines(), std::vector<std::string>{"tan"});
    EXPECT_EQ(StatusShown(1), QStringLiteral("タングラム"));
}

class PieceSetScanProblems : public EditorFixture {
protected:
    void PrepareProgramFolder() override
    {
        WriteFile("pltes/good.plt", SquareSet("good", "良"));
        WriteFile("pltes/v212.plt", "2.12\r\n" + SquareSet("v212", "古")); // a version it does not know
        std::string broken = SquareSet("broken", "壊");
        broken.replace(broken.find("60,60"), 5, "60,x");
        WriteFile("pltes/broken.plt", broken);
    }
};

TEST_F(PieceSetScanProblems, AFileThatGivesUpShowsItsMessageAndTheBuiltInNames)
{
    QStringList captions;
    for (QAction* item : Control<QMenu>(QStringLiteral("PopupMenuPlt")).actions())
        captions << item->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("良")));
    EXPECT_EQ(captions.count(QStringLiteral("タングラム")), 2) << "the refused file shows the built-in set's name";
    EXPECT_EQ(Shown(Kind::Information), QStringList({QStringLiteral("pltファイルが未対応のバージョンのものでした。")}));
    EXPECT_FALSE(captions.contains(QStringLiteral("壊")));
    EXPECT_EQ(Shown(Kind::Error).size(), 1) << "the file that does not parse is reported";
    const QStringList report = Shown(Kind::Error).value(0).split('\n');
    ASSERT_EQ(report.size(), 2) << report.join('\n');
    EXPECT_EQ(report[0], QStringLiteral("次のピース形状ファイルは使えませんでした。"));
    EXPECT_TRUE(report[1].endsWith(QStringLiteral("broken.plt: 'x' は有効な整数値ではありません。"))) << report[1];
}

TEST_F(PieceSetScanProblems, TheRefusedFilesEntrySwitchesToTheBuiltInSet)
{
    const QList<QAction*> items = Control<QMenu>(QStringLiteral("PopupMenuPlt")).actions();
    const auto scanned = [&](const QString& caption) {
        return std::find_if(items.begin(), items.end(), [&](QAction* item) {
            return item->text() == caption && item->data().toInt() >= 0;
        });
    };
    ASSERT_NE(scanned(QStringLiteral("良")), items.end());
    ASSERT_NE(scanned(QStringLiteral("タングラム")), items.end());
    (*scanned(QStringLiteral("良")))->trigger();
    ASSERT_EQ(form->editor().model.pieceSet().name, "good");
    dialogs.clearRecords();
    (*scanned(QStringLiteral("タングラム")))->trigger();
    EXPECT_EQ(form->editor().model.pieceSet().name, "tan");
    EXPECT_TRUE(Shown(Kind::Information).isEmpty()) << Shown(Kind::Information).join('\n');
}

} // namespace
} // namespace zol::test
