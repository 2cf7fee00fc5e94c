#include "io/VersionLine.h"

#include "io/FileError.h"
#include "io/PrompterText.h"
#include "io/TextCodec.h"

namespace zol {

bool StartsWithVersion(const std::vector<std::string>& lines)
{
    return !lines.empty() && lines.front() == FormatVersion;
}

bool StartsWithVersion(const FileLines& lines) { return !lines.empty() && lines.front() == FormatVersion; }

void OfferVersionLine(const QString& path, const TextLines& file, const char* question, Prompter& prompter)
{
    if (!prompter.Confirm(PrompterText(question)))
        return;
    TextLines rewritten = file;
    rewritten.lines.insert(rewritten.lines.begin(), FormatVersion);
    try {
        WriteLineFile(path, rewritten);
    } catch (const FileError& e) {
        prompter.Inform(ErrorText(e, prompter.language()));
    }
}

bool SameText(std::string_view a, TextEncoding encodingA, std::string_view b, TextEncoding encodingB)
{
    if (encodingA == encodingB)
        return a == b;
    return DecodeText(a, encodingA) == DecodeText(b, encodingB);
}

} // namespace zol
