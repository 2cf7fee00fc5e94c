#include "io/NativePath.h"

#include "io/AppPaths.h"
#include "io/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zol {

namespace {

constexpr char16_t ByteStandIn = 0xDC00; // + the byte, for bytes 0x80..0xFF

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at the start of bytes and its
// code point, or 0 when it is not one (overlong forms, surrogates and values
// beyond U+10FFFF are not).
size_t Utf8Sequence(std::string_view bytes, char32_t& code)
{
    const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(at(i)))
            return 0;
        code = code << 6 | (at(i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(QByteArray& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsStandIn(char16_t c) { return c >= ByteStandIn + 0x80 && c <= ByteStandIn + 0xFF; }

bool Stat(const QString& path, struct stat& status) { return ::stat(NativePath(path).constData(), &status) == 0; }

} // namespace

QString PathFromNative(std::string_view bytes)
{
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        char32_t code = 0;
        const size_t length = Utf8Sequence(bytes, code);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(ByteStandIn + static_cast<unsigned char>(bytes.front())));
            bytes.remove_prefix(1);
            continue;
        }
        const char32_t one[] = {code};
        path += QString::fromUcs4(one, 1);
        bytes.remove_prefix(length);
    }
    return path;
}

QByteArray NativePath(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < path.size() && QChar::isLowSurrogate(path[i + 1].unicode())) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(c, path[++i].unicode()));
        } else if (IsStandIn(c)) {
            bytes += static_cast<char>(c - ByteStandIn);
        } else if (QChar::isSurrogate(c)) {
            AppendUtf8(bytes, QChar::ReplacementCharacter);
        } else {
            AppendUtf8(bytes, c);
        }
    }
    return bytes;
}

bool HasForeignBytes(const QString& path)
{
    return std::any_of(path.begin(), path.end(), [](QChar c) { return IsStandIn(c.unicode()); });
}

QString ShownAsText(const QString& path)
{
    QString shown = path;
    for (QChar& c : shown)
        if (IsStandIn(c.unicode()))
            c = QChar::ReplacementCharacter;
    return shown;
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool PathExists(const QString& path)
{
    struct stat status {};
    return Stat(path, status);
}

bool IsFolder(const QString& path)
{
    struct stat status {};
    return Stat(path, status) && S_ISDIR(status.st_mode);
}

bool IsFile(const QString& path)
{
    struct stat status {};
    return Stat(path, status) && S_ISREG(status.st_mode);
}

bool MakeFolder(const QString& path) { return ::mkdir(NativePath(path).constData(), 0777) == 0; }

std::vector<QString> MakeFolders(const QString& path)
{
    std::vector<QString> missing;
    for (QString folder = QDir::cleanPath(path); !PathExists(folder);) {
        missing.push_back(folder);
        const QString above = QFileInfo(folder).path();
        if (above == folder)
            break;
        folder = above;
    }
    std::vector<QString> made;
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (!MakeFolder(*folder) && !IsFolder(*folder)) {
            const int error = errno;
            for (auto back = made.rbegin(); back != made.rend(); ++back)
                RemoveEmptyFolder(*back);
            throw FileError(Message{MessageId::FolderFailed,
                                    {DisplayPath(path).toStdString(), SystemReason(error).toStdString()}});
        }
        made.push_back(*folder);
    }
    return made;
}

bool HoldsEntries(const QString& folder)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(NativePath(folder).constData()), ::closedir);
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir.get()))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            return true;
    return false;
}

void RemoveEmptyFolder(const QString& path) { ::rmdir(NativePath(path).constData()); }

void RemoveFile(const QString& path) { ::unlink(NativePath(path).constData()); }

std::optional<QString> ChosenPath(const QString& shown)
{
    if (!shown.contains(QChar::ReplacementCharacter) || PathExists(shown))
        return shown;
    const QFileInfo info(shown);
    const QString folder = info.path();
    const QString name = info.fileName();
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(NativePath(folder).constData()), ::closedir);
    if (!dir)
        return shown;
    std::optional<QString> found;
    while (const dirent* entry = ::readdir(dir.get())) {
        // The dialog's own reading of the bytes.
        if (QFile::decodeName(entry->d_name) != name)
            continue;
        if (found)
            return std::nullopt;
        found = folder + QLatin1Char('/') + PathFromNative(entry->d_name);
    }
    return found ? found : shown;
}

} // namespace zol
