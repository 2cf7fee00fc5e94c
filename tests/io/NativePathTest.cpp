// File names that are not UTF-8 (a Shift-JIS name from an older system) are
// kept as their bytes: read, written and chosen under their own name, never
// under another one.
#include "io/AppPaths.h"
#include "io/DocumentFile.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "model/TangramModel.h"

#include "IoTestSupport.h"

#include <algorithm>
#include <set>

#include <dirent.h>

using namespace zol;

namespace {

const std::string ShiftJisA = "\x82\xa0";   // あ in Shift-JIS
const std::string ShiftJisRho = "\x83\xa1"; // ρ in Shift-JIS

TEST(NativePath, KeepsEveryNameByteForByteAndTwoNamesApart)
{
    const std::vector<std::string> names = {
        "plain.zol",
        "\xE3\x81\x82.zol",            // あ in UTF-8
        ShiftJisA + ".zol",
        ShiftJisRho + ".zol",
        "\xF0\x9F\x98\x80 face",       // beyond the 16-bit plane
        "\xC0\xAF overlong slash",     // not UTF-8 though it decodes naively
        "\xED\xA0\x80 surrogate",      // a surrogate written as UTF-8
        "cut \xE3\x81",                // a sequence cut short
        "\xEF\xBF\xBD replacement",    // U+FFFD itself, a name like any other
        "\xFF\xFE",
    };
    std::set<QString> seen;
    for (const std::string& name : names) {
        const QString path = PathFromNative(name);
        EXPECT_EQ(NativePath(path).toStdString(), name) << testing::PrintToString(name);
        EXPECT_TRUE(seen.insert(path).second) << "two names met: " << testing::PrintToString(name);
        const std::string shown = DisplayPath(path).toStdString();
        EXPECT_EQ(QString::fromUtf8(shown).toUtf8().toStdString(), shown) << "shown as text";
    }
    EXPECT_FALSE(HasForeignBytes(PathFromNative("\xE3\x81\x82.zol")));
    EXPECT_TRUE(HasForeignBytes(PathFromNative(ShiftJisA + ".zol")));
    EXPECT_EQ(DisplayPath(PathFromNative(ShiftJisA + ".zol")), QStringLiteral("\uFFFD\uFFFD.zol"));
}

class ForeignName : public test::ProgramFolderTest {
protected:
    // Qt's own removal of the folder cannot find these names.
    ~ForeignName() override
    {
        for (const std::string& name : Entries())
            RemoveFile(PathFromNative(Folder() + "/" + name));
    }

    std::string Folder() const { return NativePath(QDir::cleanPath(Path(""))).toStdString(); }
    QString Foreign(const std::string& name) const { return PathFromNative(Folder() + "/" + name); }

    // The names in the folder as the system holds them.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        DIR* dir = ::opendir(Folder().c_str());
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.')
                names.emplace_back(entry->d_name);
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }
};

// A document opened by its Shift-JIS name saves back to that name, and its
// path keeps the bytes for the next save.
TEST_F(ForeignName, DocumentOpensAndSavesUnderItsOwnBytes)
{
    const QString source = Foreign(ShiftJisA + ".zol");
    WriteFileAtomically(source, "2.13\r\ntan\r\n");
    ASSERT_EQ(Entries(), std::vector<std::string>{ShiftJisA + ".zol"});

    TangramModel model;
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(LoadDocument(model, source, Path(""), prompter));
    EXPECT_EQ(model.documentPath(), Folder() + "/" + ShiftJisA + ".zol");

    model.setModified(true);
    ASSERT_TRUE(SaveDocument(model, Foreign(ShiftJisRho + ".zol")));
    EXPECT_EQ(Entries(), (std::vector<std::string>{ShiftJisA + ".zol", ShiftJisRho + ".zol"}));
    EXPECT_EQ(ReadFileBytes(Foreign(ShiftJisRho + ".zol")), "2.13\r\ntan\r\n");
    EXPECT_EQ(model.documentPath(), Folder() + "/" + ShiftJisRho + ".zol");
}

// A file dialog hands back the name as it shows it, U+FFFD for each odd
// byte: the one file shown so is taken by its bytes; when two look alike,
// none is.
TEST_F(ForeignName, ADialogsNameLeadsToTheFileItShowsOrToNone)
{
    const QString shown = Path(QStringLiteral("\uFFFD\uFFFD.zol"));
    EXPECT_EQ(ChosenPath(shown), shown) << "no such file: the name stands";

    Write("plain.zol", "x");
    EXPECT_EQ(ChosenPath(Path("plain.zol")), Path("plain.zol"));

    WriteFileAtomically(Foreign(ShiftJisA + ".zol"), "a");
    const std::optional<QString> chosen = ChosenPath(shown);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(NativePath(*chosen).toStdString(), Folder() + "/" + ShiftJisA + ".zol");

    WriteFileAtomically(Foreign(ShiftJisRho + ".zol"), "b");
    EXPECT_EQ(ChosenPath(shown), std::nullopt) << "two files look the same";
}

} // namespace
