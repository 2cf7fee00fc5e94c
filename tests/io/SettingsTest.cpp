#include "io/FileError.h"
#include "io/Settings.h"
#include "io/TextCodec.h"

#include "IoTestSupport.h"

#include <functional>

using namespace zol;

namespace {

std::string Cp932(const std::string& utf8)
{
    return EncodeText(QString::fromStdString(utf8), TextEncoding::Cp932).value();
}

class SettingsFile : public test::ProgramFolderTest {
protected:
    Settings ReadIni(const std::string& utf8Text)
    {
        return ReadSettings(Write("Zol.ini", Cp932(utf8Text)), Desktop);
    }

    const QRect Desktop{0, 0, 1920, 1080};
};

} // namespace

TEST_F(SettingsFile, AMissingFileGivesTheDefaults)
{
    const Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    EXPECT_EQ(s.dcxsmin, 32);
    EXPECT_EQ(s.dcxabsmax, 200);
    EXPECT_EQ(s.flipsens, 8);
    EXPECT_EQ(s.fssens, 5);
    EXPECT_EQ(s.inidir, Path("zols"));
    EXPECT_TRUE(s.aadown);
    EXPECT_EQ(s.gamma, 2.2);
    EXPECT_TRUE(s.opttbv);
    EXPECT_EQ(s.maxundo, 100);
    EXPECT_EQ(s.history, HistoryList{});
    EXPECT_EQ(s.palette, (PaletteParams{0, 255, 0, 0, 0, 255, 0}));
    EXPECT_EQ(s.registeredPalette, (PaletteParams{0, 255, 0, 255, 0, 255, 0}));
    EXPECT_EQ(s.height, 664);
    EXPECT_EQ(s.width, 698);
    EXPECT_EQ(s.sbx, 128);
    EXPECT_EQ(s.sby, 128);
    EXPECT_EQ(s.sbz, 20);
    EXPECT_EQ(s.ws, 0);
}

TEST_F(SettingsFile, TheDefaultWindowIsCentredOnTheDesktop)
{
    struct Case {
        QRect desktop;
        int left, top;
    } cases[] = {
        {{0, 0, 1920, 1080}, 615, 211},
        {{-1280, 100, 3200, 1080}, -25, 311},
        // Divisions truncate toward zero when the desktop is smaller than the window.
        {{0, 0, 600, 500}, -44, -78},
    };
    for (const Case& c : cases) {
        const Settings s = ReadSettings(Path("none.ini"), c.desktop);
        EXPECT_EQ(s.left, c.left);
        EXPECT_EQ(s.top, c.top);
    }
}

TEST_F(SettingsFile, ReadsNumbersOrFallsBackToTheDefault)
{
    using Field = std::function<double(const Settings&)>;
    const Field dcxsmin = [](const Settings& s) { return s.dcxsmin; };
    const Field bgcolor = [](const Settings& s) { return s.palette.bgcolor; };
    const Field aadown = [](const Settings& s) { return s.aadown; };
    const Field gamma = [](const Settings& s) { return s.gamma; };
    const Field maxundo = [](const Settings& s) { return s.maxundo; };
    const Field ho = [](const Settings& s) { return s.palette.ho; };
    const Field hr = [](const Settings& s) { return s.palette.hr; };
    const Field vr = [](const Settings& s) { return s.palette.vr; };
    const Field so_ = [](const Settings& s) { return s.registeredPalette.so; };
    const Field bgcolor_ = [](const Settings& s) { return s.registeredPalette.bgcolor; };
    const Field sbx = [](const Settings& s) { return s.sbx; };
    const Field sby = [](const Settings& s) { return s.sby; };
    const Field sbz = [](const Settings& s) { return s.sbz; };
    struct Case {
        std::string text;
        Field field;
        double expected;
    } cases[] = {
        {"[システム]\ndcxsmin=40", dcxsmin, 40},
        {"[システム]\nDCXSMIN = -5 ", dcxsmin, -5},
        {"[システム]\ndcxsmin=0x20", dcxsmin, 32},
        {"[システム]\ndcxsmin=0X1f", dcxsmin, 31},
        {"[システム]\ndcxsmin=abc", dcxsmin, 32},
        {"[システム]\ndcxsmin=12abc", dcxsmin, 32},
        {"[システム]\ndcxsmin=", dcxsmin, 32},
        {"[システム]\ndcxsmin=0x", dcxsmin, 32},
        {"[システム]\ndcxsmin=1.5", dcxsmin, 32},
        {"[システム]\ndcxsmin=99999999999", dcxsmin, 32},
        {"[ほか]\ndcxsmin=40", dcxsmin, 32},
        {"[パレット]\nbgcolor=0x8000000C", bgcolor, 0x8000000C},
        {"[パレット]\nbgcolor=-2147483636", bgcolor, 0x8000000C},
        {"[パレット]\nbgcolor=0x1FFFFFFFF", bgcolor, 0},
        {"[パレット]\nbgcolor=0xFFFFFF", bgcolor, 0xFFFFFF},
        {"[パレット]\nbgcolor=0x1000000", bgcolor, 0x1000000},
        {"[パレット]\nbgcolor=-1", bgcolor, 0xFFFFFFFF},
        {"[パレット]\nbgcolor_=0x80000005", bgcolor_, 0x80000005},
        {"[パレット]\nho=0", ho, 0},
        {"[パレット]\nho=-1", ho, -1},
        {"[パレット]\nho=256", ho, 256},
        {"[パレット]\nhr=255", hr, 255},
        {"[パレット]\nhr=300", hr, 300},
        {"[パレット]\nvr=green", vr, 0},
        {"[パレット]\nso_=-7", so_, -7},
        {"[パレット]\nso_=12", so_, 12},
        {"[ポジション]\nsbx=255", sbx, 255},
        {"[ポジション]\nsbx=256", sbx, 256},
        {"[ポジション]\nsby=-1", sby, -1},
        {"[ポジション]\nsbz=10", sbz, 10},
        {"[ポジション]\nsbz=9", sbz, 9},
        {"[ポジション]\nsbz=101", sbz, 101},
        {"[ポジション]\nsbz=wide", sbz, 20},
        {"[システム]\naadown=0", aadown, 0},
        {"[システム]\naadown=7", aadown, 1},
        {"[システム]\naadown=no", aadown, 1},
        {"[システム]\ngamma=1.8", gamma, 1.8},
        {"[システム]\ngamma=fast", gamma, 2.2},
        {"[システム]\ngamma=nan", gamma, 2.2},
        {"[システム]\nmaxundo=0", maxundo, 2},
        {"[システム]\nmaxundo=1", maxundo, 2},
        {"[システム]\nmaxundo=-40", maxundo, 2},
        {"[システム]\nmaxundo=3", maxundo, 3},
        {"[システム]\nmaxundo=many", maxundo, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.field(ReadIni(c.text + "\r\n")), c.expected) << c.text;
}

TEST_F(SettingsFile, WritesEveryKeyInOrderWhenStartingFromScratch)
{
    Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    s.inidir = "/data/図形";
    s.history[0] = "/data/図形/鶴.zol";
    s.palette.bgcolor = 0x8000000C;
    s.gamma = 1.8;
    s.aadown = false;
    WriteSettings(Path("Zol.ini"), s, true);
    const std::string expected =
        "[システム]\r\ndcxsmin=32\r\ndcxabsmax=200\r\nflipsens=8\r\nfssens=5\r\naadown=0\r\ngamma=1.8\r\n"
        "inidir=/data/図形\r\nopttbv=1\r\n\r\n"
        "[ヒストリー]\r\n0=/data/図形/鶴.zol\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n9=\r\n\r\n"
        "[パレット]\r\nho=255\r\nhr=0\r\nso=0\r\nsr=0\r\nvo=255\r\nvr=0\r\nbgcolor=-2147483636\r\n"
        "ho_=255\r\nhr_=0\r\nso_=255\r\nsr_=0\r\nvo_=255\r\nvr_=0\r\nbgcolor_=0\r\n\r\n"
        "[ポジション]\r\ntop=211\r\nleft=615\r\nheight=664\r\nwidth=698\r\nsbx=128\r\nsby=128\r\nsbz=20\r\n\r\n"
        "[ウィンドウ]\r\nws=0\r\n";
    EXPECT_EQ(Read("Zol.ini"), Cp932(expected));
    const Settings back = ReadSettings(Path("Zol.ini"), Desktop);
    EXPECT_EQ(back.history, s.history);
    EXPECT_EQ(back.palette, s.palette);
    EXPECT_EQ(back.inidir, s.inidir);
}

TEST_F(SettingsFile, KeepsWhatItDoesNotWriteAndTheBoundsOfAWindowNotInNormalState)
{
    WriteFixture("Zol.ini", "Zol.ini");
    Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    EXPECT_EQ(s.maxundo, 2);
    EXPECT_EQ(s.inidir, QString::fromUtf8("/home/ユーザー/図形"));
    EXPECT_EQ(s.history[0], QString::fromUtf8("/home/ユーザー/図形/鶴.zol"));
    EXPECT_EQ(s.top, 50);
    s.ws = 2;
    s.top = s.left = s.height = s.width = 1;
    WriteSettings(Path("Zol.ini"), s, false);

    const std::string expected =
        "[システム]\r\ndcxsmin=40\r\nmaxundo=1\r\n\r\n; written by hand\r\ncustom=keep me\r\ngamma=1.8\r\n"
        "inidir=/home/ユーザー/図形\r\ndcxabsmax=200\r\nflipsens=8\r\nfssens=5\r\naadown=1\r\nopttbv=1\r\n\r\n"
        "[ヒストリー]\r\n0=/home/ユーザー/図形/鶴.zol\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n9=\r\n\r\n"
        "[ポジション]\r\ntop=50\r\nleft=60\r\nheight=700\r\nwidth=800\r\nsbx=128\r\nsby=128\r\nsbz=20\r\n\r\n"
        "[extra]\r\nfoo=bar\r\n\r\n"
        "[パレット]\r\nho=255\r\nhr=0\r\nso=0\r\nsr=0\r\nvo=255\r\nvr=0\r\nbgcolor=0\r\n"
        "ho_=255\r\nhr_=0\r\nso_=255\r\nsr_=0\r\nvo_=255\r\nvr_=0\r\nbgcolor_=0\r\n\r\n"
        "[ウィンドウ]\r\nws=2\r\n";
    EXPECT_EQ(Read("Zol.ini"), Cp932(expected));
    WriteSettings(Path("Zol.ini"), s, false);
    EXPECT_EQ(Read("Zol.ini"), Cp932(expected)) << "a second write changes nothing";
}

TEST_F(SettingsFile, TheLanguageHasASectionOnlyWhileOneIsChosen)
{
    WriteFixture("Zol.ini", "Zol.ini");
    Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    EXPECT_EQ(s.language, QString());

    s.language = "en";
    WriteSettings(Path("Zol.ini"), s, true);
    EXPECT_TRUE(Read("Zol.ini").ends_with(Cp932("[言語]\r\nlanguage=en\r\n")));
    EXPECT_EQ(ReadSettings(Path("Zol.ini"), Desktop).language, "en");
    EXPECT_EQ(ReadLanguageSetting(Path("Zol.ini")), "en");

    s.language.clear(); // automatic again
    WriteSettings(Path("Zol.ini"), s, true);
    EXPECT_EQ(Read("Zol.ini").find(Cp932("言語")), std::string::npos);
    EXPECT_EQ(ReadLanguageSetting(Path("Zol.ini")), QString());
    EXPECT_EQ(ReadLanguageSetting(Path("missing.ini")), QString());
}

TEST_F(SettingsFile, APathCp932CannotHoldIsWrittenAsUtf8)
{
    Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    s.history[0] = QString::fromUtf8("/data/Ψ🐈.zol");
    WriteSettings(Path("Zol.ini"), s, true);
    EXPECT_TRUE(Read("Zol.ini").starts_with("\xEF\xBB\xBF[システム]\r\n"));
    EXPECT_EQ(ReadSettings(Path("Zol.ini"), Desktop).history[0], s.history[0]);
}

TEST_F(SettingsFile, EveryHistoryEntrySurvivesAWriteAndARead)
{
    Settings s = ReadSettings(Path("Zol.ini"), Desktop);
    for (int i = 0; i < HistorySize; ++i)
        s.history[i] = QStringLiteral("/d/%1/文書.zol").arg(i);
    WriteSettings(Path("Zol.ini"), s, true);
    EXPECT_EQ(ReadSettings(Path("Zol.ini"), Desktop).history, s.history);
    EXPECT_FALSE(Read("Zol.ini").starts_with("\xEF\xBB\xBF")) << "CP932 holds these paths";
}

// CP932 would take look-alikes of these characters (〜 as ～, ¥ as \), and
// the history would point at files that do not exist.
TEST_F(SettingsFile, PathsCp932CannotHoldExactlyAreWrittenAsUtf8)
{
    for (const char* path : {"/home/u/〜メモ/a.zol", "/d/¥100.zol", "/d/a—b.zol"}) {
        Settings s = ReadSettings(Path("Zol.ini"), Desktop);
        s.history[3] = QString::fromUtf8(path);
        s.inidir = QString::fromUtf8(path);
        WriteSettings(Path("Zol.ini"), s, true);
        const Settings back = ReadSettings(Path("Zol.ini"), Desktop);
        EXPECT_EQ(back.history[3], s.history[3]) << path;
        EXPECT_EQ(back.inidir, s.inidir) << path;
        EXPECT_TRUE(Read("Zol.ini").starts_with("\xEF\xBB\xBF")) << path;
        QFile::remove(Path("Zol.ini"));
    }
}

TEST_F(SettingsFile, ReportsAFileThatCannotBeWritten)
{
    Write("file", "x");
    EXPECT_THROW(WriteSettings(Path("file/Zol.ini"), Settings{}, true), FileError);
}
