// A figure whose placement line does not parse: the window is brought fully
// up to date first, then the figure is reported by its number.
#include "EditorFixture.h"

#include "../io/IoTestSupport.h"
#include "ui/DisplayText.h"

#include <QLabel>
#include <QLineEdit>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class BrokenPlacement : public EditorFixture {
protected:
    // cp932.zol whose first placement line starts with a number out of range.
    QString BrokenDocument(const QString& relative)
    {
        std::string bytes = Fixture("cp932.zol");
        const size_t first = bytes.find("204,204,0,1");
        bytes.replace(first, 3, "99999999999");
        return WriteFile(relative, bytes);
    }
    // What the window shows while the error message is up.
    struct Behind {
        QString path, count, title;
        bool upEnabled = true, downEnabled = false;
        int undoCount = -1;
    };
    void WatchBehindError()
    {
        dialogs.whileError = [this] {
            behind = {StatusShown(0), StatusShown(2), form->windowTitle(),
                      Action("EditUp").isEnabled(), Action("EditDown").isEnabled(),
                      form->editor().undoRing().undoCount()};
        };
    }
    Behind behind;
};

TEST_F(BrokenPlacement, OpeningFinishesTheWindowThenNamesTheFigure)
{
    dialogs.QueuePath(CopyFixture("cp932.zol", "docs/good.zol"));
    Run("FileOpen");
    const Figure oldBoard = form->editor().model.GetCurrentFigure();
    AddFigures({QStringLiteral("変更")});
    dialogs.QueueAnswer(Dialogs::Answer::No); // discard the change
    const QString broken = BrokenDocument("docs/broken.zol");
    WatchBehindError();
    dialogs.clearRecords();
    dialogs.QueuePath(broken);
    Run("FileOpen");

    ASSERT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(Shown(Kind::Error)[0].startsWith(QStringLiteral("1番目の図形"))) << Shown(Kind::Error)[0].toStdString();
    EXPECT_EQ(behind.path, DisplayPath(broken));
    EXPECT_EQ(behind.count, QStringLiteral("2"));
    EXPECT_EQ(behind.title, QStringLiteral("Zol editor"));
    EXPECT_FALSE(behind.upEnabled) << "row 0 of two";
    EXPECT_TRUE(behind.downEnabled);
    EXPECT_EQ(form->editor().settings.history[0], broken);
    EXPECT_NE(form->editor().model.GetCurrentFigure(), oldBoard) << "the board keeps the fresh scatter";
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_EQ(form->editor().undoRing().top(), form->editor().model.GetCurrentFigure());

    dialogs.QueuePath(std::nullopt);
    Run("FileSaveAs");
    EXPECT_EQ(dialogs.records().back().request.initialPath, broken);
}

TEST_F(BrokenPlacement, ACommandLineDocumentNamesTheFigure)
{
    const QString broken = BrokenDocument("docs/broken.zol");
    StartWindow({broken});
    ASSERT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(Shown(Kind::Error)[0].startsWith(QStringLiteral("1番目の図形")));
    EXPECT_EQ(StatusShown(0), DisplayPath(broken));
    EXPECT_TRUE(Action("EditDown").isEnabled());
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
}

TEST_F(BrokenPlacement, MergingNamesTheFirstMergedFigureAfterTheRowsAreUp)
{
    AddFigures({QStringLiteral("自作")});
    WatchBehindError();
    dialogs.QueuePath(BrokenDocument("docs/broken.zol"));
    Run("FileMarge");
    ASSERT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(Shown(Kind::Error)[0].startsWith(QStringLiteral("2番目の図形"))) << "counted in the whole list";
    EXPECT_EQ(behind.count, QStringLiteral("3"));
    EXPECT_TRUE(behind.upEnabled) << "the merged row 1 is selected";
    EXPECT_TRUE(behind.downEnabled);
}

TEST_F(BrokenPlacement, ClickingARowThatDoesNotParseLeavesNoStaleUpDown)
{
    AddFigures({QStringLiteral("一"), QStringLiteral("二")});
    AddBrokenFigure(QStringLiteral("壊れた"));
    ClickRow(0);
    ASSERT_TRUE(Action("EditDown").isEnabled());
    ClickRow(2);
    EXPECT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_TRUE(Action("EditUp").isEnabled());
    EXPECT_FALSE(Action("EditDown").isEnabled()) << "the last row has nothing below";
}

} // namespace
} // namespace zol::test
