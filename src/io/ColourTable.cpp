#include "io/ColourTable.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"
#include "io/PrompterText.h"
#include "model/CommaList.h"

#include <optional>
#include <string_view>

namespace zol {

namespace {

constexpr int MaxReportedLines = 10;

std::optional<Rgb> ParseColourValue(std::string_view line)
{
    uint8_t channel[3] = {};
    for (int c = 0; c < 3; ++c) {
        const size_t comma = line.find(',');
        const std::string_view field = line.substr(0, comma);
        try {
            channel[c] = static_cast<uint8_t>(ParseInteger(field) & 0xFF);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
        if (comma == std::string_view::npos && c < 2)
            return std::nullopt;
        line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    }
    return Rgb{channel[0], channel[1], channel[2]};
}

std::string BadLinesMessage(const QString& path, const std::vector<std::pair<int, QString>>& bad)
{
    QString text = QCoreApplication::translate(
                       "zol::Prompter", "%1 の次の行は赤,緑,青の10進の整数ではないため、その色を読み込みませんでした。\n")
                       .arg(DisplayPath(path));
    for (size_t i = 0; i < bad.size() && i < MaxReportedLines; ++i)
        text += QCoreApplication::translate("zol::Prompter", "\n%1 行目: %2").arg(bad[i].first).arg(bad[i].second);
    if (bad.size() > MaxReportedLines)
        text += QCoreApplication::translate("zol::Prompter", "\nほか %1 行").arg(bad.size() - MaxReportedLines);
    return text.toStdString();
}

} // namespace

TColors ReadColourTable(const QString& path, Prompter& prompter)
{
    TextLines file;
    try {
        file = ReadLineFile(path);
    } catch (const FileError&) {
    }
    const size_t count = file.lines.size() / 2;
    if (count == 0) {
        prompter.Warn(PrompterText(QT_TRANSLATE_NOOP("zol::Prompter", "rgbdata.txtが見つからないか、またはファイルが空です。")));
        return {};
    }
    TColors colours;
    std::vector<std::pair<int, QString>> bad;
    for (size_t i = 0; i < count; ++i) {
        const std::string& value = file.lines[2 * i + 1];
        if (const auto rgb = ParseColourValue(value))
            colours.push_back(MakeNamedColour(DecodeText(file.lines[2 * i], file.encoding).toStdString(), *rgb));
        else
            bad.emplace_back(static_cast<int>(2 * i + 2), DecodeText(value, file.encoding));
    }
    if (!bad.empty())
        prompter.Inform(BadLinesMessage(path, bad));
    return colours;
}

} // namespace zol
