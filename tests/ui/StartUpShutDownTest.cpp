// Start-up from Zol.ini and a command line, the palette it puts in force, and
// the settings written back when the window closes.
#include "EditorFixture.h"

#include "io/AppPaths.h"
#include "io/TextCodec.h"
#include "ui/DisplayText.h"
#include "ui/ShapeWidget.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolBar>

namespace zol::test {
namespace {

using Kind = ScriptedDialogs::Kind;

std::string Cp932(const QString& text) { return *EncodeText(text, TextEncoding::Cp932); }

class StartUp : public EditorFixture {
protected:
    // Zol.ini as the user's last run left it (UTF-8 here, CP932 on disk).
    void WriteIni(const QString& text)
    {
        QString crlf = text;
        WriteFile("Zol.ini", Cp932(crlf.replace('\n', "\r\n")));
    }
    QString FullIni() const
    {
        return QStringLiteral("[システム]\ndcxsmin=40\ndcxabsmax=0x100\nflipsens=12\nfssens=7\ninidir=%1\naadown=0\n"
                              "gamma=1.8\nopttbv=0\nmaxundo=1\n"
                              "[ヒストリー]\n0=%2\n1=/elsewhere/b.zol\n"
                              "[パレット]\nho=10\nhr=20\nso=30\nsr=40\nvo=50\nvr=60\nbgcolor=0xFFFFFF\n"
                              "ho_=1\nhr_=2\nso_=3\nsr_=4\nvo_=5\nvr_=6\nbgcolor_=255\n"
                              "[ポジション]\ntop=50\nleft=60\nheight=700\nwidth=750\nsbx=1\nsby=2\nsbz=33\n"
                              "[ウィンドウ]\nws=0\n")
            .arg(ProgramPath("docs"), ProgramPath("zols/a.zol"));
    }
    Settings Written() const { return ReadSettings(ProgramPath("Zol.ini"), QRect(0, 0, 1280, 1024)); }
};

TEST_F(StartUp, EveryKeyOfZolIniReachesItsControlOrMember)
{
    QDir().mkpath(ProgramPath("docs"));
    QDir().mkpath(ProgramPath("zols"));
    WriteIni(FullIni());
    StartWindow();

    const Settings& s = form->editor().settings;
    EXPECT_EQ(s.dcxsmin, 40);
    EXPECT_EQ(s.dcxabsmax, 256);
    EXPECT_EQ(s.fssens, 7);
    EXPECT_EQ(s.flipsens, 12);
    EXPECT_EQ(Box("flipsensComboBox").currentText(), QStringLiteral("12"));
    EXPECT_FALSE(Action("OptAA").isChecked());
    EXPECT_FALSE(Action("AA").isChecked());
    EXPECT_TRUE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden());
    EXPECT_EQ(form->editor().undoRing().size(), 2) << "maxundo=1 still allows one undo step";
    EXPECT_EQ(s.inidir, ProgramPath("docs"));
    EXPECT_DOUBLE_EQ(s.gamma, 1.8);
    EXPECT_EQ(Action("HistoryItem0").text(), QStringLiteral("&0 a.zol"));
    EXPECT_EQ(Action("HistoryItem1").text(), QStringLiteral("&1 ") + DisplayPath("/elsewhere/b.zol"));
    EXPECT_FALSE(Action("HistoryItem2").isVisible());
    EXPECT_EQ(s.palette, (PaletteParams{0xFFFFFF, 10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(form->editor().model.backgroundColor(), 0xFFFFFFu);
    EXPECT_DOUBLE_EQ(form->editor().model.gamma(), 1.0) << "a coloured palette draws without gamma";
    EXPECT_EQ(s.registeredPalette, (PaletteParams{255, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ((std::array{s.sbx, s.sby, s.sbz}), (std::array{1, 2, 33}));
    EXPECT_EQ(form->frameGeometry(), QRect(60, 50, 750, 700)) << "the frame's bounds";
    EXPECT_LT(form->width(), 750) << "the test platform draws a frame";
    EXPECT_FALSE(form->isMaximized());
}

TEST_F(StartUp, AFirstStartUsesTheDefaults)
{
    const Settings& s = form->editor().settings;
    EXPECT_EQ(form->frameGeometry().size(), QSize(698, 664));
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(form->pos(), QPoint(desktop.left() + (desktop.width() - 689) / 2,
                                  desktop.top() + (desktop.height() - 657) / 2));
    EXPECT_TRUE(Action("OptAA").isChecked());
    EXPECT_FALSE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden());
    EXPECT_EQ(form->editor().undoRing().size(), 100);
    EXPECT_EQ(s.inidir, ProgramFolder()) << "no zols folder: the program folder";
    EXPECT_DOUBLE_EQ(form->editor().model.gamma(), 2.2);
    EXPECT_EQ(form->editor().model.backgroundColor(), 0u);
    EXPECT_EQ(GuideFrameShown(), QColor(Qt::black));
    for (int i = 0; i < HistorySize; ++i)
        EXPECT_FALSE(Action(QStringLiteral("HistoryItem%1").arg(i)).isVisible());
}

TEST_F(StartUp, NumbersThatAreNoNumbersTakeTheDefaultAndHexIsRead)
{
    WriteIni(QStringLiteral("[システム]\ndcxsmin=abc\ndcxabsmax=0X1f\nflipsens=\nmaxundo=-5\ngamma=x\nopttbv=7\n"
                            "[ポジション]\nwidth=0x300\nheight=6x\n"));
    StartWindow();
    EXPECT_EQ(form->editor().settings.dcxsmin, 32);
    EXPECT_EQ(form->editor().settings.dcxabsmax, 31);
    EXPECT_EQ(Box("flipsensComboBox").currentText(), QStringLiteral("8"));
    EXPECT_EQ(form->editor().undoRing().size(), 2);
    EXPECT_DOUBLE_EQ(form->editor().model.gamma(), 2.2);
    EXPECT_FALSE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden()) << "any non-zero value shows the tool bar";
    EXPECT_EQ(form->frameGeometry().size(), QSize(768, 664));
}

TEST_F(StartUp, TheWindowComesBackMaximisedOverItsNormalBounds)
{
    WriteIni(QStringLiteral("[ポジション]\ntop=11\nleft=22\nheight=600\nwidth=700\n[ウィンドウ]\nws=2\n"));
    StartWindow();
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->normalGeometry().size(), QSize(700, 600));
}

TEST_F(StartUp, ADocumentOnTheCommandLineIsOpened)
{
    const QString path = CopyFixture("cp932.zol", "docs/house.zol");
    StartWindow({path});
    EXPECT_EQ(Rows(), QStringList({QStringLiteral("三角, 四角の家（ソ表）"), QStringLiteral("鶴")}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(CaptionShown(), QStringLiteral("三角, 四角の家（ソ表）"));
    EXPECT_EQ(form->editor().model.GetCurrentFigure().x[0], 204);
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_EQ(form->editor().settings.history[0], path);
    EXPECT_EQ(StatusShown(0), DisplayPath(path));
    EXPECT_EQ(form->editor().undoRing().undoCount(), 0);
    EXPECT_FALSE(form->editor().model.modified());
}

TEST_F(StartUp, AnyOtherCommandLineOrAMissingDocumentLeavesAnEmptyList)
{
    const QString path = CopyFixture("cp932.zol", "docs/house.zol");
    const struct {
        QStringList arguments;
        int messages;
    } cases[] = {
        {{path, path}, 0},
        {{ProgramPath("docs/missing.zol")}, 1},
    };
    for (const auto& c : cases) {
        dialogs.clearRecords();
        StartWindow(c.arguments);
        EXPECT_TRUE(Rows().isEmpty());
        EXPECT_EQ(DocumentPathText(form->editor().model), QStringLiteral("新しいファイル"));
        EXPECT_TRUE(form->editor().settings.history[0].isEmpty());
        EXPECT_EQ(Shown(Kind::Information).size(), c.messages);
    }
    EXPECT_EQ(Shown(Kind::Information), QStringList({QStringLiteral("指定されたファイルが見つかりませんでした。")}));
}

TEST_F(StartUp, ThePaletteDecidesTheGuidesGammaAndFrame)
{
    form->editor().settings.gamma = 1.7;
    const QColor workspace = form->palette().color(QPalette::Window);
    const struct {
        PaletteParams p;
        double gamma;
        QColor frame;
    } cases[] = {
        {{0x000000, 255, 0, 0, 0, 255, 0}, 1.7, Qt::black},       // white on black
        {{0xFFFFFF, 255, 0, 0, 0, 0, 0}, 1.7, Qt::black},         // black on white
        {{0xFFFFFF, 0, 0, 0, 0, 128, 0}, 1.7, Qt::black},         // grey on white, no spread
        {{0xFFFFFF, 0, 0, 0, 0, 128, 50}, 1.0, Qt::black},        // grey with spread
        {{0x000000, 0, 0, 0, 0, 255, 50}, 1.7, Qt::black},        // spread from full value
        {{0x000000, 30, 40, 200, 40, 200, 50}, 1.0, Qt::black},   // coloured
        {{0x000080, 255, 0, 0, 0, 255, 0}, 1.0, Qt::black},       // another background
        {{WorkspaceColor, 0, 0, 0, 0, 0, 0}, 1.0, workspace},     // transparent
    };
    for (const auto& c : cases) {
        form->ApplyPalette(c.p);
        EXPECT_DOUBLE_EQ(form->editor().model.gamma(), c.gamma) << c.p.bgcolor << " vo " << c.p.vo << " vr " << c.p.vr;
        EXPECT_EQ(GuideFrameShown(), c.frame);
        EXPECT_EQ(form->editor().settings.palette, c.p);
        EXPECT_EQ(form->editor().model.backgroundColor(), c.p.bgcolor);
    }
    // The guide shows the guide figure in the new colours, the board the board figure.
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32), guide(GuideSize, GuideSize, QImage::Format_RGB32);
    form->editor().model.RenderBoard(BoardFigure, board, guide, true);
    EXPECT_EQ(form->editor().guideBitmap, guide);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

class ShutDown : public StartUp {};

TEST_F(ShutDown, ClosingWritesEveryKeyBack)
{
    WriteIni(QStringLiteral("[システム]\nmaxundo=7\n; by hand\nextra=keep\n"));
    StartWindow();
    const QString doc = CopyFixture("cp932.zol", "docs/house.zol");
    dialogs.QueuePath(doc);
    Run("FileOpen");
    Run("OptAA");
    Run("OptEye");
    Box("flipsensComboBox").setEditText(QStringLiteral("11"));
    form->ApplyPalette({0xFFFFFF, 1, 2, 3, 4, 5, 6});
    form->editor().settings.registeredPalette = {0x123456, 7, 8, 9, 10, 11, 12};
    form->editor().settings.sbx = 90;
    form->resize(QSize(720, 680) - (form->frameGeometry().size() - form->size()));
    form->move(30, 40);
    ASSERT_TRUE(form->close());

    const Settings s = Written();
    EXPECT_EQ(s.flipsens, 11);
    EXPECT_FALSE(s.aadown);
    EXPECT_FALSE(s.opttbv);
    EXPECT_EQ(s.inidir, ProgramPath("docs"));
    EXPECT_EQ(s.history[0], doc);
    EXPECT_EQ(s.palette, (PaletteParams{0xFFFFFF, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.registeredPalette, (PaletteParams{0x123456, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(s.sbx, 90);
    EXPECT_EQ((std::array{s.left, s.top, s.width, s.height}), (std::array{30, 40, 720, 680}));
    EXPECT_EQ(s.ws, 0);
    EXPECT_EQ(s.maxundo, 7);
    const std::string bytes = ReadBytes(ProgramPath("Zol.ini"));
    for (const char* section : {"[システム]", "[ヒストリー]", "[パレット]", "[ポジション]", "[ウィンドウ]"})
        EXPECT_NE(bytes.find(Cp932(QString::fromUtf8(section)) + "\r\n"), std::string::npos) << section;
    EXPECT_NE(bytes.find("maxundo=7\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("extra=keep\r\n"), std::string::npos);
    EXPECT_TRUE(dialogs.records().size() == 1) << "only the open dialog";
}

// Only maxundo is clamped on reading: palette numbers and picker bar
// positions beyond their ranges are used as far as they can be and go back
// to the file as they were.
TEST_F(ShutDown, OutOfRangePaletteAndPickerValuesGoBackAsRead)
{
    WriteIni(QStringLiteral("[パレット]\nho=300\nhr=-5\nso=1000\nsr=2147483647\nvo=-2147483648\nvr=7\n"
                            "bgcolor=-1\nho_=999\nbgcolor_=0x80000005\n"
                            "[ポジション]\nsbx=999\nsby=-3\nsbz=5\n"));
    StartWindow();
    ASSERT_TRUE(form->close());
    const Settings s = Written();
    EXPECT_EQ(s.palette, (PaletteParams{0xFFFFFFFF, 300, -5, 1000, 2147483647, -2147483647 - 1, 7}));
    EXPECT_EQ(s.registeredPalette.ho, 999);
    EXPECT_EQ(s.registeredPalette.bgcolor, 0x80000005u);
    EXPECT_EQ((std::array{s.sbx, s.sby, s.sbz}), (std::array{999, -3, 5}));
}

TEST_F(ShutDown, AFirstRunWritesAllFiveSectionsWithoutMaxundo)
{
    ASSERT_TRUE(form->close());
    const std::string bytes = ReadBytes(ProgramPath("Zol.ini"));
    EXPECT_EQ(bytes.find("maxundo"), std::string::npos);
    const Settings s = Written();
    EXPECT_EQ(s.width, 698);
    EXPECT_EQ(s.height, 664);
    EXPECT_TRUE(s.aadown);
    EXPECT_EQ(s.inidir, ProgramFolder());
    for (const char* section : {"[システム]", "[ヒストリー]", "[パレット]", "[ポジション]", "[ウィンドウ]"})
        EXPECT_NE(bytes.find(Cp932(QString::fromUtf8(section))), std::string::npos) << section;
}

TEST_F(ShutDown, WhileMaximisedTheNormalBoundsInTheFileStay)
{
    WriteIni(QStringLiteral("[ポジション]\ntop=11\nleft=22\nheight=600\nwidth=700\n"));
    StartWindow();
    form->showMaximized();
    ASSERT_TRUE(form->close());
    const Settings s = Written();
    EXPECT_EQ(s.ws, 2);
    EXPECT_EQ((std::array{s.top, s.left, s.height, s.width}), (std::array{11, 22, 600, 700}));
}

TEST_F(ShutDown, AnUnwritableZolIniIsReportedOnceAndTheWindowClosesAllTheSame)
{
    QDir().mkpath(ProgramPath("Zol.ini")); // a folder where the file should be
    StartWindow();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Shown(Kind::Error).size(), 1);
}

TEST_F(ShutDown, UnsavedChangesAreAskedWithoutCancel)
{
    AddFigures({QStringLiteral("一")});
    dialogs.QueueAnswer(Dialogs::Answer::No);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_EQ(dialogs.records()[0].text, QStringLiteral("ファイルの内容が変わっています。\n\n保存しますか？"));
    EXPECT_FALSE(dialogs.records()[0].withCancel);
    EXPECT_TRUE(QFileInfo::exists(ProgramPath("Zol.ini")));
}

} // namespace
} // namespace zol::test
