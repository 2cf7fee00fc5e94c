// The translations the program ships are complete: every text of the window
// has a finished translation, none is left over from texts that are gone,
// and each keeps the values (%1, %2, ...) and the mnemonic of its source.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty when finished
};

std::vector<Entry> ReadTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !entries.empty()) {
            entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        throw std::runtime_error(path.toStdString() + ": " + xml.errorString().toStdString());
    return entries;
}

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression value(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : value.globalMatch(text))
        found.insert(m.captured());
    return found;
}

// A single '&' before a character marks the key of a menu item or button.
bool HasMnemonic(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QRegularExpression(QStringLiteral("&\\S")));
}

// What is wrong with a translation file, one line per entry.
QStringList Problems(const QString& path)
{
    QStringList problems;
    for (const Entry& e : ReadTs(path)) {
        const QString where = e.context + QStringLiteral(" \"") + e.source + QStringLiteral("\": ");
        if (!e.type.isEmpty())
            problems << where + e.type;
        else if (e.translation.isEmpty())
            problems << where + QStringLiteral("empty");
        else if (Placeholders(e.source) != Placeholders(e.translation))
            problems << where + QStringLiteral("values differ");
        else if (HasMnemonic(e.source) != HasMnemonic(e.translation))
            problems << where + QStringLiteral("mnemonic differs");
    }
    return problems;
}

// The shipped files, or the copies lupdate brought up to date with the
// sources (ZOL_TS_FOLDER), where texts without translation show as unfinished.
QString TsFolder()
{
    const QString updated = qEnvironmentVariable("ZOL_TS_FOLDER");
    return updated.isEmpty() ? QStringLiteral(TS_FOLDER) : updated;
}

} // namespace

TEST(ShippedTranslations, HaveNoUnfinishedObsoleteOrMismatchedEntry)
{
    const QDir folder(TsFolder());
    const QStringList files = folder.entryList({QStringLiteral("zol_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << "no translation in " << folder.path().toStdString();
    for (const QString& name : files) {
        const QString path = folder.filePath(name);
        EXPECT_FALSE(ReadTs(path).empty()) << name.toStdString();
        const QStringList problems = Problems(path);
        EXPECT_TRUE(problems.isEmpty()) << name.toStdString() << ":\n"
                                        << problems.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(TranslationCheck, FindsEveryKindOfUnfinishedEntry)
{
    struct Case {
        const char* message;
        const char* problem;
    } cases[] = {
        {"<source>開く</source><translation>Open</translation>", nullptr},
        {"<source>開く(&amp;O)</source><translation>&amp;Open</translation>", nullptr},
        {"<source>%1 個</source><translation>%1 figures</translation>", nullptr},
        {"<source>開く</source><translation type=\"unfinished\"></translation>", "unfinished"},
        {"<source>開く</source><translation type=\"unfinished\">Open</translation>", "unfinished"},
        {"<source>開く</source><translation type=\"obsolete\">Open</translation>", "obsolete"},
        {"<source>開く</source><translation type=\"vanished\">Open</translation>", "vanished"},
        {"<source>開く</source><translation></translation>", "empty"},
        {"<source>%1 個の図形 %2</source><translation>%1 figures</translation>", "values differ"},
        {"<source>開く(&amp;O)</source><translation>Open</translation>", "mnemonic differs"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("zol_xx.ts"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                              "<TS version=\"2.1\" language=\"xx\" sourcelanguage=\"ja\">\n"
                              "<context><name>zol::TZolForm</name><message>") +
                   c.message + "</message></context>\n</TS>\n");
        file.close();
        const QStringList problems = Problems(path);
        if (!c.problem) {
            EXPECT_TRUE(problems.isEmpty()) << c.message << ": " << problems.join(' ').toStdString();
        } else {
            ASSERT_EQ(problems.size(), 1) << c.message;
            EXPECT_TRUE(problems.front().endsWith(QLatin1String(c.problem))) << problems.front().toStdString();
        }
    }
}
