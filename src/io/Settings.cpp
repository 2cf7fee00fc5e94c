#include "io/Settings.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/PrompterText.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

// Text is decoded to UTF-8 before parsing, so the library converts nothing.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION // the template bodies, compiled in this one file
#include <SimpleIni.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace zol {

namespace {

constexpr const char* SystemSection = "システム";
constexpr const char* HistorySection = "ヒストリー";
constexpr const char* PaletteSection = "パレット";
constexpr const char* PositionSection = "ポジション";
constexpr const char* WindowSection = "ウィンドウ";
constexpr const char* LanguageSection = "言語";
constexpr const char* LanguageKey = "language";

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Decimal within int32, or 0x/0X and up to eight hex digits taken as 32 bits.
std::optional<int> ParseIniInteger(std::string_view text)
{
    text = Trimmed(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    if (hex)
        text.remove_prefix(2);
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, hex ? 16 : 10);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const long long limit = hex ? 0xFFFFFFFFLL : 0x7FFFFFFFLL + (negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    const auto bits = static_cast<uint32_t>(negative ? -magnitude : magnitude);
    return static_cast<int>(bits);
}

std::optional<double> ParseIniDouble(std::string_view text)
{
    text = Trimmed(text);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The INI text as UTF-8 for the parser; CP932 unless the file is UTF-8.
std::string ReadIniText(const QString& path)
{
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const FileError&) {
        return {}; // no file yet: every key takes its default
    }
    const bool bom = bytes.starts_with("\xEF\xBB\xBF");
    const TextEncoding encoding = DetectEncoding(bytes);
    return DecodeText(bom ? bytes.substr(3) : bytes, encoding).toStdString();
}

// CP932 with CR LF; UTF-8 with a byte order mark when a value (a path) holds a
// character that CP932 cannot hold exactly, so that paths read back unchanged.
std::string IniFileBytes(const std::string& utf8)
{
    QString text = QString::fromStdString(utf8);
    text.replace("\r\n", "\n");
    // The library separates sections by two empty lines; one is enough.
    while (text.contains("\n\n\n"))
        text.replace("\n\n\n", "\n\n");
    text.replace('\n', "\r\n");
    // CP932 that would read back as UTF-8 (see DetectEncoding) is written as UTF-8.
    const auto cp932 = EncodeText(text, TextEncoding::Cp932);
    if (cp932 && DetectEncoding(*cp932) == TextEncoding::Cp932)
        return *cp932;
    return "\xEF\xBB\xBF" + text.toStdString();
}

class IniReader {
public:
    explicit IniReader(const CSimpleIniA& ini) : ini_(ini) {}

    int Integer(const char* section, const char* key, int fallback) const
    {
        const char* value = ini_.GetValue(section, key, nullptr);
        return value ? ParseIniInteger(value).value_or(fallback) : fallback;
    }
    bool Flag(const char* section, const char* key, bool fallback) const
    {
        return Integer(section, key, fallback ? 1 : 0) != 0;
    }
    double Double(const char* section, const char* key, double fallback) const
    {
        const char* value = ini_.GetValue(section, key, nullptr);
        return value ? ParseIniDouble(value).value_or(fallback) : fallback;
    }
    QString String(const char* section, const char* key, const QString& fallback) const
    {
        const char* value = ini_.GetValue(section, key, nullptr);
        return value ? QString::fromUtf8(value) : fallback;
    }
    PaletteParams Palette(const char* suffix, const PaletteParams& fallback) const
    {
        const auto key = [&](const char* name) { return std::string(name) + suffix; };
        const auto read = [&](const char* name, int value) { return Integer(PaletteSection, key(name).c_str(), value); };
        PaletteParams p;
        p.ho = read("ho", fallback.ho);
        p.hr = read("hr", fallback.hr);
        p.so = read("so", fallback.so);
        p.sr = read("sr", fallback.sr);
        p.vo = read("vo", fallback.vo);
        p.vr = read("vr", fallback.vr);
        p.bgcolor = static_cast<uint32_t>(
            Integer(PaletteSection, key("bgcolor").c_str(), static_cast<int>(fallback.bgcolor)));
        return p;
    }

private:
    const CSimpleIniA& ini_;
};

class IniWriter {
public:
    explicit IniWriter(CSimpleIniA& ini) : ini_(ini) {}

    void Integer(const char* section, const char* key, int value) { String(section, key, std::to_string(value)); }
    void String(const char* section, const char* key, const std::string& value)
    {
        if (ini_.SetValue(section, key, value.c_str()) < 0)
            throw FileError(PrompterText(QT_TRANSLATE_NOOP("zol::Prompter", "設定を書き込めませんでした。")));
    }
    void Palette(const char* suffix, const PaletteParams& p)
    {
        const auto write = [&](const char* name, int value) {
            Integer(PaletteSection, (std::string(name) + suffix).c_str(), value);
        };
        write("ho", p.ho);
        write("hr", p.hr);
        write("so", p.so);
        write("sr", p.sr);
        write("vo", p.vo);
        write("vr", p.vr);
        write("bgcolor", static_cast<int>(p.bgcolor));
    }

private:
    CSimpleIniA& ini_;
};

void LoadIni(CSimpleIniA& ini, const QString& path)
{
    ini.SetSpaces(false);
    const std::string text = ReadIniText(path);
    ini.LoadData(text.data(), text.size());
}

} // namespace

Settings ReadSettings(const QString& path, const QRect& desktop)
{
    CSimpleIniA ini(true);
    LoadIni(ini, path);
    const IniReader r(ini);
    Settings s;
    s.dcxsmin = r.Integer(SystemSection, "dcxsmin", s.dcxsmin);
    s.dcxabsmax = r.Integer(SystemSection, "dcxabsmax", s.dcxabsmax);
    s.flipsens = r.Integer(SystemSection, "flipsens", s.flipsens);
    s.fssens = r.Integer(SystemSection, "fssens", s.fssens);
    s.inidir = r.String(SystemSection, "inidir", DocumentFolder());
    s.aadown = r.Flag(SystemSection, "aadown", s.aadown);
    s.gamma = r.Double(SystemSection, "gamma", s.gamma);
    s.opttbv = r.Flag(SystemSection, "opttbv", s.opttbv);
    s.maxundo = std::max(2, r.Integer(SystemSection, "maxundo", s.maxundo));
    for (int i = 0; i < HistorySize; ++i)
        s.history[i] = r.String(HistorySection, std::to_string(i).c_str(), {});
    s.palette = r.Palette("", s.palette);
    s.registeredPalette = r.Palette("_", s.registeredPalette);
    s.top = r.Integer(PositionSection, "top", desktop.top() + (desktop.height() - 657) / 2);
    s.left = r.Integer(PositionSection, "left", desktop.left() + (desktop.width() - 689) / 2);
    s.height = r.Integer(PositionSection, "height", s.height);
    s.width = r.Integer(PositionSection, "width", s.width);
    s.sbx = r.Integer(PositionSection, "sbx", s.sbx);
    s.sby = r.Integer(PositionSection, "sby", s.sby);
    s.sbz = r.Integer(PositionSection, "sbz", s.sbz);
    s.ws = r.Integer(WindowSection, "ws", s.ws);
    s.language = r.String(LanguageSection, LanguageKey, {}).trimmed();
    return s;
}

QString ReadLanguageSetting(const QString& path)
{
    CSimpleIniA ini(true);
    LoadIni(ini, path);
    return IniReader(ini).String(LanguageSection, LanguageKey, {}).trimmed();
}

void WriteSettings(const QString& path, const Settings& s, bool windowStateIsNormal)
{
    CSimpleIniA ini(true);
    LoadIni(ini, path);
    IniWriter w(ini);
    w.Integer(SystemSection, "dcxsmin", s.dcxsmin);
    w.Integer(SystemSection, "dcxabsmax", s.dcxabsmax);
    w.Integer(SystemSection, "flipsens", s.flipsens);
    w.Integer(SystemSection, "fssens", s.fssens);
    w.Integer(SystemSection, "aadown", s.aadown ? 1 : 0);
    w.String(SystemSection, "gamma", QString::number(s.gamma, 'g', 15).toStdString());
    w.String(SystemSection, "inidir", s.inidir.toStdString());
    w.Integer(SystemSection, "opttbv", s.opttbv ? 1 : 0);
    for (int i = 0; i < HistorySize; ++i)
        w.String(HistorySection, std::to_string(i).c_str(), s.history[i].toStdString());
    w.Palette("", s.palette);
    w.Palette("_", s.registeredPalette);
    if (windowStateIsNormal) {
        w.Integer(PositionSection, "top", s.top);
        w.Integer(PositionSection, "left", s.left);
        w.Integer(PositionSection, "height", s.height);
        w.Integer(PositionSection, "width", s.width);
    }
    w.Integer(PositionSection, "sbx", s.sbx);
    w.Integer(PositionSection, "sby", s.sby);
    w.Integer(PositionSection, "sbz", s.sbz);
    w.Integer(WindowSection, "ws", s.ws);
    if (s.language.isEmpty()) {
        ini.Delete(LanguageSection, LanguageKey, true);
    } else {
        w.String(LanguageSection, LanguageKey, s.language.toStdString());
    }
    std::string text;
    if (ini.Save(text) < 0)
        throw FileError(PrompterText(QT_TRANSLATE_NOOP("zol::Prompter", "設定を書き込めませんでした。")));
    WriteFileAtomically(path, IniFileBytes(text));
}

} // namespace zol
