#include "cli/DocumentCommands.h"

#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "io/Prompter.h"
#include "io/TextCodec.h"
#include "io/VersionLine.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <climits>
#include <future>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <thread>

namespace zol {

namespace {

// Without a user to ask: messages go to err, questions are answered No.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& err) : err_(err) {}
    void Inform(const std::string& text) override { err_ << text << '\n'; }
    bool Confirm(const std::string& text) override
    {
        err_ << text << " -> No\n";
        return false;
    }

private:
    std::ostream& err_;
};

// The name as the bytes given, whatever they are (see NativePath).
QString PathArgument(const std::string& arg) { return PathFromNative(arg); }

// Opens the document as the editor does after the user chose it in the open
// dialog, whose folder then is the one searched first for piece sets. Given
// `header`, it learns how many lines come before the first figure's in the
// file (the version line, if any, and the set name), from the one read.
bool OpenDocument(TangramModel& model, const QString& path, std::ostream& err, int* header = nullptr)
{
    StreamPrompter prompter(err);
    const QString folder = QFileInfo(path).absolutePath();
    try {
        if (!header || !PathExists(path))
            return LoadDocument(model, path, folder, prompter);
        FileText file = ReadTextFile(path);
        *header = StartsWithVersion(file.lines) ? 2 : 1;
        return LoadDocumentText(model, path, std::move(file), folder, prompter);
    } catch (const std::runtime_error& e) { // ConversionError, FileError
        err << e.what() << '\n';
        return false;
    }
}

struct BrokenFigure {
    int index;
    std::string reason;
};

// The figures whose placement line does not read, in order, with the reason.
// A long document is read on every core, a share of its figures each.
std::vector<BrokenFigure> BrokenFigures(const TangramModel& model)
{
    const int n = model.figureCount();
    const int shares = n >= 4096 ? static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)) : 1;
    const auto check = [&model, n, shares](int share) {
        const auto bound = [&](int s) { return static_cast<int>(static_cast<long long>(n) * s / shares); };
        std::vector<BrokenFigure> broken;
        for (int k = bound(share); k < bound(share + 1); ++k) {
            try {
                model.ParseFigure(k);
            } catch (const ConversionError& e) {
                broken.push_back({k, e.what()});
            }
        }
        return broken;
    };
    std::vector<std::future<std::vector<BrokenFigure>>> helpers;
    for (int share = 1; share < shares; ++share)
        helpers.push_back(std::async(std::launch::async, check, share));
    std::vector<BrokenFigure> broken = check(0);
    for (auto& helper : helpers) {
        std::vector<BrokenFigure> found = helper.get();
        std::move(found.begin(), found.end(), std::back_inserter(broken));
    }
    return broken;
}

int Usage(std::ostream& err)
{
    err << "usage:\n" << DocumentCommandsUsage();
    return 2;
}

} // namespace

const char* DocumentCommandsUsage()
{
    return "    zoltool info DOC.zol\n"
           "    zoltool save-as IN.zol OUT.zol\n"
           "FIGURE may also be DOC.zol:K, figure K of a document counted from 0.\n";
}

int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        return Usage(err);
    const QString path = PathArgument(args[0]);
    TangramModel model;
    // The file's own line numbers: the version line, if any, comes first. The
    // load answers No to adding it, so the file stays as it was read.
    int header = 1;
    if (!OpenDocument(model, path, err, &header))
        return 2;
    const TextEncoding encoding = model.documentEncoding();
    out << "set: " << DecodeText(model.figureLines().front(), encoding).toStdString() << '\n'
        << "figures: " << model.figureCount() << '\n'
        << "encoding: " << (encoding == TextEncoding::Utf8 ? "UTF-8" : "CP932") << '\n';
    // A script learns from the status that the document is broken.
    const std::vector<BrokenFigure> broken = BrokenFigures(model);
    for (const BrokenFigure& figure : broken)
        out << "line " << header + 2 * figure.index + 2 << ": " << figure.reason << '\n';
    return broken.empty() ? 0 : 1;
}

int SaveAsCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (args.size() != 2)
        return Usage(err);
    TangramModel model;
    if (!OpenDocument(model, PathArgument(args[0]), err))
        return 2;
    model.setModified(true);
    try {
        SaveDocument(model, PathArgument(args[1]));
    } catch (const FileError& e) {
        err << e.what() << '\n';
        return 2;
    }
    return 0;
}

std::optional<DocumentFigure> ParseDocumentFigure(const std::string& argument)
{
    const size_t colon = argument.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == argument.size())
        return std::nullopt;
    const std::string digits = argument.substr(colon + 1);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    DocumentFigure figure{argument.substr(0, colon), 0};
    if (std::from_chars(digits.data(), digits.data() + digits.size(), figure.index).ec != std::errc())
        figure.index = INT_MAX; // beyond any list: reported when loaded
    return figure;
}

FigureLoad LoadDocumentFigure(const DocumentFigure& figure, TangramModel& model, std::ostream& err)
{
    if (!OpenDocument(model, PathArgument(figure.path), err))
        return FigureLoad::DocumentFailed;
    if (figure.index >= model.figureCount()) {
        err << figure.path << " has no figure " << figure.index << " (it holds " << model.figureCount()
            << ", counted from 0)\n";
        return FigureLoad::FigureFailed;
    }
    try {
        model.LoadFigure(figure.index);
    } catch (const ConversionError& e) {
        err << figure.path << ':' << figure.index << ": " << e.what() << '\n';
        return FigureLoad::FigureFailed;
    }
    return FigureLoad::Loaded;
}

} // namespace zol
