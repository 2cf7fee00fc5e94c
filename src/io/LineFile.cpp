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

// A write that stops part way (a full disk) returns the bytes it managed
// without a reason; writing on until a write fails puts the system's reason
// ("No space left on device") into errorString().
bool WriteAll(QFileDevice& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
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

TextLines WritableForm(TextLines text)
{
    if (text.encoding == TextEncoding::Cp932 && DetectEncoding(JoinLines(text)) == TextEncoding::Utf8) {
        for (std::string& line : text.lines)
            line = DecodeText(line, TextEncoding::Cp932).toStdString();
        text.encoding = TextEncoding::Utf8;
    }
    text.bom = text.encoding == TextEncoding::Utf8;
    return text;
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
    // Unbuffered: a buffer flushed by commit() could fail part way (a full
    // disk) without the system's reason, and commit() would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(MessageId::WriteFailed, path, file.errorString());
    if (!WriteAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(MessageId::WriteFailed, path, reason);
    }
    if (!file.commit())
        Fail(MessageId::WriteFailed, path, file.errorString());
}

void CheckWritable(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(MessageId::WriteFailed, path, file.errorString());
    file.cancelWriting();
}

TextLines ReadLineFile(const QString& path)
{
    return SplitLines(ReadFileBytes(path));
}

void WriteLineFile(const QString& path, const TextLines& text)
{
    WriteFileAtomically(path, JoinLines(WritableForm(text)));
}

} // namespace zol
