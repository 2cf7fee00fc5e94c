#include "io/LineFile.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/TextCodec.h"

#include <QFile>
#include <QSaveFile>

namespace zol {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

[[noreturn]] void Fail(MessageId what, const QString& path, const QString& reason)
{
    throw FileError(Message{what, {DisplayPath(path).toStdString(), reason.toStdString()}});
}

} // namespace

TextLines SplitLines(const std::string& bytes)
{
    std::string_view text(bytes.data(), std::min(bytes.size(), bytes.find('\0')));
    TextLines result;
    if (text.starts_with(Utf8Bom)) {
        text.remove_prefix(Utf8Bom.size());
        result.bom = true;
    }
    result.encoding = result.bom ? TextEncoding::Utf8 : DetectEncoding(std::string(text));
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            result.lines.emplace_back(text.substr(start));
            break;
        }
        result.lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return result;
}

std::string JoinLines(const TextLines& text)
{
    std::string bytes;
    if (text.bom && text.encoding == TextEncoding::Utf8)
        bytes += Utf8Bom;
    for (const std::string& line : text.lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::string ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(MessageId::ReadFailed, path, file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(MessageId::ReadFailed, path, file.errorString());
    return data.toStdString();
}

void WriteFileAtomically(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(MessageId::WriteFailed, path, file.errorString());
    // commit() does not notice a failure of the final flush of its buffer (a
    // full disk), so the flush is checked here before the rename.
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(MessageId::WriteFailed, path, reason);
    }
    if (!file.commit())
        Fail(MessageId::WriteFailed, path, file.errorString());
}

TextLines ReadLineFile(const QString& path)
{
    return SplitLines(ReadFileBytes(path));
}

void WriteLineFile(const QString& path, const TextLines& text)
{
    WriteFileAtomically(path, JoinLines(text));
}

} // namespace zol
