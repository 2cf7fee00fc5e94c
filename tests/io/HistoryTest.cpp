#include "io/History.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace zol;

namespace {

HistoryList Numbered(int count)
{
    HistoryList list;
    for (int i = 0; i < count; ++i)
        list[i] = QString("/d/%1.zol").arg(i);
    return list;
}

// The user's locale for the length of a test.
class InLocale {
public:
    explicit InLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~InLocale() { QLocale::setDefault(saved_); }
    InLocale(const InLocale&) = delete;
    InLocale& operator=(const InLocale&) = delete;

private:
    QLocale saved_;
};

} // namespace

TEST(History, PutsThePathOnTopWithoutDuplicates)
{
    struct Case {
        const char* what;
        HistoryList before;
        QString path;
        HistoryList after;
    } cases[] = {
        {"into an empty list", {}, "/d/x.zol", {"/d/x.zol"}},
        {"the oldest falls off", Numbered(10), "/d/x.zol",
         {"/d/x.zol", "/d/0.zol", "/d/1.zol", "/d/2.zol", "/d/3.zol", "/d/4.zol", "/d/5.zol", "/d/6.zol", "/d/7.zol",
          "/d/8.zol"}},
        {"an entry moves up, whatever its case", Numbered(10), "/D/5.ZOL",
         {"/D/5.ZOL", "/d/0.zol", "/d/1.zol", "/d/2.zol", "/d/3.zol", "/d/4.zol", "/d/6.zol", "/d/7.zol", "/d/8.zol",
          "/d/9.zol"}},
        {"the last entry moves up", Numbered(10), "/d/9.zol",
         {"/d/9.zol", "/d/0.zol", "/d/1.zol", "/d/2.zol", "/d/3.zol", "/d/4.zol", "/d/5.zol", "/d/6.zol", "/d/7.zol",
          "/d/8.zol"}},
        {"the top entry stays", Numbered(3), "/d/0.zol", Numbered(3)},
        {"a gap in the list moves down", {"/a.zol", "", "/b.zol"}, "/b.zol", {"/b.zol", "/a.zol", ""}},
        {"a new document is not entered", Numbered(2), "新しいファイル", Numbered(2)},
        {"nor an empty path", Numbered(2), "", Numbered(2)},
    };
    for (Case& c : cases) {
        AddToHistory(c.before, c.path);
        EXPECT_EQ(c.before, c.after) << c.what;
    }
}

TEST(History, KeepsFilesApartThatDifferInMoreThanCase)
{
    // A Japanese locale's collation equates width and kana type; file names do not.
    for (const QLocale& locale : {QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        const InLocale in(locale);
        HistoryList list;
        for (const char* path : {"/d/あ.zol", "/d/ア.zol", "/d/ｱ.zol", "/d/a.zol", "/d/ａ.zol", "/d/Ａ.zol"})
            AddToHistory(list, QString::fromUtf8(path));
        const HistoryList expected = {QString::fromUtf8("/d/Ａ.zol"), "/d/a.zol", QString::fromUtf8("/d/ｱ.zol"),
                                      QString::fromUtf8("/d/ア.zol"), QString::fromUtf8("/d/あ.zol")};
        EXPECT_EQ(list, expected) << "full-width Ａ differs from ａ in case alone and takes its place";
    }
}

TEST(History, MenuShowsDocumentsOfTheDocumentFolderByName)
{
    HistoryList list;
    list[0] = "/prog/zols/鶴.zol";
    list[1] = "/home/me/tangram/亀.zol";
    list[2] = "/PROG/ZOLS/Upper.zol";
    list[3] = "/prog/zols/sub/deeper.zol";
    list[5] = "/prog/zols/R&D.zol";
    const auto items = HistoryMenuItems(list, "/prog/zols/");
    const QString expected[] = {
        QString::fromUtf8("&0 鶴.zol"),
        QString::fromUtf8("&1 /home/me/tangram/亀.zol"),
        "&2 Upper.zol",
        "&3 /prog/zols/sub/deeper.zol",
        "&4 ",
        "&5 R&&D.zol",
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(items[i].caption, expected[i]);
        EXPECT_EQ(items[i].visible, i != 4);
    }
    for (int i = 6; i < HistorySize; ++i)
        EXPECT_FALSE(items[i].visible);
}
