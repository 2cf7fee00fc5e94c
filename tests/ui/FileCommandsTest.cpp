// New, open, history open, merge, save, save as, exit and the document's
// folder, driven through the window's actions with scripted dialogs.
#include "EditorFixture.h"

#include "../io/IoTestSupport.h"
#include "io/AppPaths.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "io/TextCodec.h"
#include "ui/DisplayText.h"

#include <QLabel>
#include <QStandardPaths>
#include <QLineEdit>
#include <QMenu>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;
using Answer = Dialogs::Answer;

const QString SaveQuestion = QStringLiteral("ファイルの内容が変わっています。\n\n保存しますか？");

class FileCommands : public EditorFixture {
protected:
    // A copy of an io fixture in the folder "docs" of the program folder.
    QString Doc(const char* fixture, const char* name = nullptr)
    {
        return CopyFixture(fixture, QStringLiteral("docs/") + QString::fromUtf8(name ? name : fixture));
    }
    void Open(const QString& path)
    {
        dialogs.QueuePath(path);
        Run("FileOpen");
    }
    std::string Text(const char* utf8) { return *EncodeText(QString::fromUtf8(utf8), TextEncoding::Cp932); }
    QString Path() const { return DocumentPathText(form->editor().model); }
    QStringList VisibleHistory() const
    {
        QStringList out;
        for (int i = 0; i < HistorySize; ++i)
            if (Action(QStringLiteral("HistoryItem%1").arg(i)).isVisible())
                out << Action(QStringLiteral("HistoryItem%1").arg(i)).text();
        return out;
    }
};

TEST_F(FileCommands, OpenShowsTheDocumentAndMovesTheDialogToItsFolder)
{
    const QString path = Doc("cp932.zol");
    const int undoBefore = form->editor().undoRing().undoCount();
    Open(path);

    ASSERT_EQ(dialogs.records().size(), 1u);
    const Dialogs::FileRequest& request = dialogs.records()[0].request;
    EXPECT_EQ(request.filter, QStringLiteral("Zolファイル|*.zol"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("zol"));
    EXPECT_EQ(request.initialPath, ProgramFolder()) << "no zols folder: the program folder";

    EXPECT_EQ(Rows(), QStringList({QStringLiteral("三角, 四角の家（ソ表）"), QStringLiteral("鶴")}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(form->editor().model.GetCurrentFigure().x[0], 204) << "figure 0 on the board";
    EXPECT_EQ(form->editor().model.GetCurrentFigure().x[1], 296);
    EXPECT_EQ(CaptionShown(), QStringLiteral("三角, 四角の家（ソ表）"));
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_EQ(form->editor().settings.inidir, ProgramPath("docs"));
    EXPECT_EQ(form->editor().currentFolder, ProgramPath("docs"));
    EXPECT_EQ(form->editor().settings.history[0], path);
    EXPECT_EQ(form->editor().undoRing().undoCount(), undoBefore + 1) << "same set: an undo entry";
    EXPECT_EQ(StatusShown(0), DisplayPath(path));
    EXPECT_EQ(StatusShown(2), QStringLiteral("2"));
    EXPECT_FALSE(form->editor().model.modified());

    // Opening the next time starts where the last file was.
    dialogs.clearRecords();
    Run("FileOpen");
    EXPECT_EQ(dialogs.records().at(0).request.initialPath, ProgramPath("docs"));
}

TEST_F(FileCommands, OpeningADocumentOfAnotherSetStartsTheUndoHistoryOver)
{
    CopyFixture("square.plt", "pltes/square.plt");
    Open(Doc("square.zol"));
    EXPECT_EQ(form->editor().model.pieceSet().pieceCount, 1);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("正方形ひとつ")}));
    EXPECT_EQ(form->editor().undoRing().undoCount(), 0);
    EXPECT_EQ(StatusShown(1), QStringLiteral("正方形"));
}

TEST_F(FileCommands, ACancelledOpenDialogStillMakesAnUndoEntryAndRaisesTheDocumentInTheHistory)
{
    const QString a = Doc("cp932.zol", "a.zol");
    const QString b = Doc("cp932.zol", "b.zol");
    Open(a);
    Open(b);
    Run("HistoryItem1"); // a again
    ASSERT_EQ(Path(), a);
    EXPECT_EQ(form->editor().settings.history[0], a);
    EXPECT_EQ(form->editor().settings.history[1], b);
    EXPECT_TRUE(form->editor().settings.history[2].isEmpty()) << "a stays in the history once";

    Open(b);
    const Figure board = form->editor().model.GetCurrentFigure();
    const int undoBefore = form->editor().undoRing().undoCount();
    Run("FileOpen"); // no path queued: cancelled
    EXPECT_EQ(form->editor().undoRing().undoCount(), undoBefore + 1);
    EXPECT_EQ(form->editor().settings.history[0], b);
    EXPECT_EQ(form->editor().settings.history[1], a);
    Run("EditUndo");
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
}

TEST_F(FileCommands, HistoryMenuShowsDocumentsFolderFilesByNameAndOthersByPath)
{
    const QString inZols = CopyFixture("cp932.zol", "zols/house.zol");
    const QString elsewhere = Doc("cp932.zol", "crane&co.zol");
    Open(inZols);
    Open(elsewhere);
    EXPECT_EQ(VisibleHistory(), QStringList({"&0 " + DisplayPath(elsewhere).replace('&', "&&"), "&1 house.zol"}));
    EXPECT_EQ(Control<QMenu>(QStringLiteral("PopupMenuHis")).actions().size(), HistorySize);
    EXPECT_EQ(Action("HistoryItem1").data().toInt(), 1);

    Run("HistoryItem1");
    EXPECT_EQ(Path(), inZols);
    EXPECT_EQ(form->editor().settings.inidir, ProgramPath("zols"));
    EXPECT_EQ(VisibleHistory(), QStringList({"&0 house.zol", "&1 " + DisplayPath(elsewhere).replace('&', "&&")}));
}

TEST_F(FileCommands, AHistoryEntryWhoseFileIsGoneIsReportedAndKept)
{
    const QString gone = Doc("cp932.zol", "gone.zol");
    const QString kept = Doc("cp932.zol", "kept.zol");
    Open(gone);
    Open(kept);
    QFile::remove(gone);
    dialogs.clearRecords();
    Run("HistoryItem1");
    EXPECT_EQ(Shown(Kind::Information), QStringList({QStringLiteral("指定されたファイルが見つかりませんでした。")}));
    EXPECT_EQ(Path(), kept);
    EXPECT_EQ(Rows().size(), 2) << "the rows come back from the unchanged document";
    EXPECT_EQ(form->editor().settings.history[0], kept);
    EXPECT_EQ(form->editor().settings.history[1], gone);
}

// The unsaved-changes question of every command that starts over.
TEST_F(FileCommands, UnsavedChangesAreAskedAboutAndCancelLeavesEverything)
{
    const QString other = Doc("cp932.zol", "other.zol");
    const QString saved = Doc("cp932.zol", "saved.zol");
    const struct {
        const char* name;
        std::function<void()> run;
        bool closes;
    } commands[] = {
        {"new", [&] { Run("FileNew"); }, false},
        {"open", [&] { Open(other); }, false},
        {"history", [&] { Run("HistoryItem1"); }, false},
        {"exit", [&] { Run("FileExit"); }, true},
    };
    for (const auto& command : commands) {
        for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
            SCOPED_TRACE(std::string(command.name) + " answer " + std::to_string(int(answer)));
            dialogs = ScriptedDialogs();
            StartWindow();
            Open(other);
            Open(saved);
            AddFigures({QStringLiteral("追加")});
            ASSERT_TRUE(form->editor().model.modified());
            const QStringList rows = Rows();
            const std::string before = ReadBytes(saved);
            dialogs.clearRecords();
            dialogs.QueueAnswer(answer);
            command.run();

            ASSERT_EQ(Shown(Kind::Confirmation), QStringList({SaveQuestion}));
            EXPECT_TRUE(dialogs.records()[0].withCancel);
            const bool goesOn = answer != Answer::Cancel;
            EXPECT_EQ(ReadBytes(saved) != before, answer == Answer::Yes) << "Yes saves first";
            EXPECT_EQ(form->isVisible(), !(goesOn && command.closes));
            if (!goesOn) {
                EXPECT_EQ(Rows(), rows);
                EXPECT_TRUE(form->editor().model.modified());
            }
            if (goesOn && command.closes) {
                EXPECT_EQ(Shown(Kind::Confirmation).size(), 1) << "closing does not ask again";
            }
        }
    }
}

TEST_F(FileCommands, YesThatDoesNotSaveKeepsTheChanges)
{
    // A new document: Yes asks for a name; cancelling that keeps the work.
    AddFigures({QStringLiteral("一")});
    dialogs.QueueAnswer(Answer::Yes);
    Run("FileNew");
    EXPECT_EQ(Shown(Kind::SaveFile).size(), 1);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("一")}));
    EXPECT_TRUE(form->editor().model.modified());

    // A write that fails: the error is shown and nothing is discarded.
    const QString path = Doc("cp932.zol");
    dialogs.QueueAnswer(Answer::No);
    Open(path);
    AddFigures({QStringLiteral("二")});
    dialogs.clearRecords();
    dialogs.QueueAnswer(Answer::Yes);
    {
        FileSizeLimit fullDisk;
        Run("FileExit");
    }
    EXPECT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_EQ(ReadBytes(path), Fixture("cp932.zol")) << "the old file stays whole";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zol editor（変更）"));
}

TEST_F(FileCommands, NewDocumentKeepsTheSetAndClearsTheList)
{
    Open(Doc("cp932.zol"));
    const int undoBefore = form->editor().undoRing().undoCount();
    Run("FileNew");
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(Path(), QStringLiteral("新しいファイル"));
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
    EXPECT_EQ(form->editor().undoRing().undoCount(), undoBefore + 1);
    EXPECT_EQ(StatusShown(0), QStringLiteral("新しいファイル"));
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
}

TEST_F(FileCommands, UnchangedCp932DocumentsSaveBackByteForByte)
{
    const QString path = Doc("cp932.zol");
    Open(path);
    // Save on an unmodified document writes nothing.
    QFile::remove(path);
    Run("FileSave");
    EXPECT_FALSE(QFileInfo::exists(path));

    // Save as writes the same bytes even though nothing changed.
    const QString copy = ProgramPath("docs/copy.zol");
    dialogs.QueuePath(copy);
    Run("FileSaveAs");
    EXPECT_EQ(ReadBytes(copy), Fixture("cp932.zol"));
    EXPECT_EQ(Path(), copy);
    EXPECT_EQ(form->editor().settings.history[0], copy);
    const auto& request = dialogs.records().back().request;
    EXPECT_EQ(request.filter, QStringLiteral("Zolファイル|*.zol|すべてのファイル|*.*"));
    EXPECT_EQ(request.initialPath, path);
}

TEST_F(FileCommands, SaveOnANewDocumentProposesTheNewFileName)
{
    AddFigures({QStringLiteral("鶴, 亀")});
    QDir().mkpath(ProgramPath("docs"));
    const QString path = ProgramPath("docs/new.zol");
    dialogs.QueuePath(path);
    Run("FileSave");
    EXPECT_EQ(dialogs.records().back().request.initialPath,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("新しいファイル"))
        << "no file chosen yet: the user's documents folder";
    EXPECT_EQ(ReadBytes(path).substr(0, 11), "2.13\r\ntan\r\n");
    EXPECT_NE(ReadBytes(path).find(Text("鶴, 亀\r\n")), std::string::npos);
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zol editor"));
    EXPECT_EQ(StatusShown(0), DisplayPath(path));
}

TEST_F(FileCommands, SaveAsOntoAnExistingFileAsksBeforeOverwriting)
{
    const QString path = Doc("cp932.zol");
    const QString target = Doc("old.zol", "target.zol");
    Open(path);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs.clearRecords();
        dialogs.QueuePath(target);
        dialogs.QueueAnswer(answer);
        Run("FileSaveAs");
        EXPECT_EQ(Shown(Kind::Warning),
                  QStringList({DisplayPath(target) + QStringLiteral("\nはすでに存在します。\n\n上書きしますか？")}));
        EXPECT_EQ(ReadBytes(target), Fixture(answer == Answer::Yes ? "cp932.zol" : "old.zol"));
        EXPECT_EQ(Path(), answer == Answer::Yes ? target : path);
    }
}

TEST_F(FileCommands, AFailedSaveAsKeepsThePathTheHistoryAndTheOldFile)
{
    const QString path = Doc("cp932.zol");
    Open(path);
    AddFigures({QStringLiteral("新")});
    const QString target = Doc("old.zol", "target.zol");
    dialogs.clearRecords();
    dialogs.QueuePath(target);
    dialogs.QueueAnswer(Answer::Yes);
    {
        FileSizeLimit fullDisk;
        Run("FileSaveAs");
    }
    ASSERT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(Shown(Kind::Error)[0].startsWith(QStringLiteral("ファイルを保存できませんでした。\n")))
        << Shown(Kind::Error)[0];
    EXPECT_EQ(ReadBytes(target), Fixture("old.zol"));
    EXPECT_EQ(Path(), path);
    EXPECT_EQ(form->editor().settings.history[0], path);
    EXPECT_TRUE(form->editor().model.modified());

    // Nor does a failed plain save lower the mark.
    {
        FileSizeLimit fullDisk;
        Run("FileSave");
    }
    EXPECT_EQ(Shown(Kind::Error).size(), 2);
    EXPECT_EQ(ReadBytes(path), Fixture("cp932.zol"));
    EXPECT_TRUE(form->editor().model.modified());
}

// A name from an older system, Shift-JIS bytes that are not UTF-8: the
// document opens and saves under those bytes, never under the name shown;
// the history, kept as text, leaves it out rather than keep another name.
TEST_F(FileCommands, ADocumentNamedInShiftJisSavesUnderItsOwnName)
{
    QDir().mkpath(ProgramPath("docs"));
    const std::string folder = NativePath(ProgramPath("docs")).toStdString();
    const QString path = PathFromNative(folder + "/\x82\xa0.zol");
    WriteFileAtomically(path, Fixture("cp932.zol"));
    Open(path);
    EXPECT_EQ(Rows().size(), 2);
    EXPECT_EQ(StatusShown(0), DisplayPath(ProgramPath(QStringLiteral("docs/\uFFFD\uFFFD.zol"))));
    EXPECT_TRUE(form->editor().settings.history[0].isEmpty());

    AddFigures({QStringLiteral("新")});
    Run("FileSave");
    EXPECT_TRUE(Shown(Kind::Error).isEmpty());
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_NE(ReadFileBytes(path).find(Text("新\r\n")), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(ProgramPath(QStringLiteral("docs/\uFFFD\uFFFD.zol")))) << "not the name shown";
    RemoveFile(path); // Qt's removal of the folder cannot find the name
}

TEST_F(FileCommands, MergeAppendsTheFiguresOfADocumentOfTheSameSet)
{
    Open(Doc("cp932.zol"));
    AddFigures({QStringLiteral("自作")});
    const QString inidir = form->editor().settings.inidir;
    const auto history = form->editor().settings.history;
    const int undoBefore = form->editor().undoRing().undoCount();
    dialogs.QueuePath(CopyFixture("old.zol", "elsewhere/old.zol")); // without version line
    Run("FileMarge");

    EXPECT_EQ(Rows(), QStringList({QStringLiteral("三角, 四角の家（ソ表）"), QStringLiteral("鶴"),
                                   QStringLiteral("自作"), QStringLiteral("古い図形")}));
    EXPECT_EQ(SelectedRow(), 3);
    EXPECT_EQ(CaptionShown(), QStringLiteral("古い図形"));
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_TRUE(form->editor().model.modified());
    EXPECT_EQ(StatusShown(2), QStringLiteral("4"));
    EXPECT_EQ(form->editor().undoRing().undoCount(), undoBefore) << "merging makes no undo entry";
    EXPECT_EQ(form->editor().settings.inidir, inidir);
    EXPECT_EQ(form->editor().settings.history, history);
}

TEST_F(FileCommands, MergeRefusesADocumentOfAnotherSet)
{
    AddFigures({QStringLiteral("自作")});
    dialogs.QueuePath(Doc("square.zol"));
    Run("FileMarge");
    EXPECT_EQ(Shown(Kind::Information),
              QStringList({QStringLiteral("未対応のバージョンか、または異なるピースセットのファイルです。")}));
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("自作")}));
}

TEST_F(FileCommands, MergeIntoAnUntouchedEmptyDocumentOpens)
{
    const QString path = Doc("cp932.zol");
    dialogs.QueuePath(path);
    Run("FileMarge");
    EXPECT_EQ(Path(), path);
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_EQ(form->editor().settings.history[0], path);
    EXPECT_EQ(Shown(Kind::OpenFile).size(), 1);
}

TEST_F(FileCommands, MergingTextCp932CannotHoldTurnsEveryHeldCaptionToUtf8)
{
    AddFigures({QStringLiteral("家")});
    form->editor().model.SetFigureCaption(BoardFigure, Text("盤上の図"));
    form->ShowEditor();
    form->editor().PushUndo();
    form->editor().TakeGuideSnapshot();
    const std::string placement(form->editor().model.figureLines()[2]);
    const QString merged = WriteFile("docs/emoji.zol", "2.13\r\ntan\r\n\xF0\x9F\x90\xA2 亀\r\n" + placement + "\r\n");
    dialogs.QueuePath(merged);
    Run("FileMarge");
    ASSERT_EQ(form->editor().model.documentEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("家"), QString::fromUtf8("\xF0\x9F\x90\xA2 亀")}));

    // The undo entries read right in UTF-8: back and forth to the board figure.
    EXPECT_EQ(form->editor().undoRing().top().caption, "盤上の図");
    Run("EditUndo");
    Run("EditRedo");
    EXPECT_EQ(CaptionShown(), QStringLiteral("盤上の図"));
    for (const QString& row : Rows())
        EXPECT_FALSE(row.contains(QChar::ReplacementCharacter));
}

TEST_F(FileCommands, FolderOpensTheDocumentsFolderOrElseTheDocumentsOrProgramFolder)
{
    Run("FileDirOpen");
    EXPECT_EQ(Shown(Kind::OpenFolder), QStringList({ProgramFolder()}));

    QDir().mkpath(ProgramPath("zols"));
    dialogs.clearRecords();
    Run("FileDirOpen");
    EXPECT_EQ(Shown(Kind::OpenFolder), QStringList({ProgramPath("zols")}));

    Open(Doc("cp932.zol"));
    dialogs.clearRecords();
    Run("FileDirOpen");
    EXPECT_EQ(Shown(Kind::OpenFolder), QStringList({ProgramPath("docs")}));
}

// A never-saved document is proposed in the folder of the last file chosen,
// not in the folder the program happened to be started in.
TEST_F(FileCommands, SavingANewDocumentStartsInTheFolderOfTheLastDocument)
{
    Open(Doc("cp932.zol"));
    Run("FileNew");
    for (const char* command : {"FileSave", "FileSaveAs"}) {
        dialogs.clearRecords();
        Run(command);
        ASSERT_EQ(Shown(Kind::SaveFile).size(), 1);
        EXPECT_EQ(dialogs.records().back().request.initialPath, ProgramPath("docs/新しいファイル"));
    }
}

TEST_F(FileCommands, FolderWithoutAFileBrowserSaysSo)
{
    dialogs.hasFolderBrowser = false;
    Run("FileDirOpen");
    EXPECT_EQ(Shown(Kind::OpenFolder), QStringList({ProgramFolder()}));
    ASSERT_EQ(Shown(Kind::Error).size(), 1);
    EXPECT_TRUE(Shown(Kind::Error)[0].contains(DisplayPath(ProgramFolder())));
}

} // namespace
} // namespace zol::test
