#include "cli/DocumentArgument.h"

#include "cli/Arguments.h"
#include "cli/PaletteOptions.h"
#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/NativePath.h"
#include "io/Prompter.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zol::cli {

namespace {

// Without a user: messages are kept for the failure report, questions answered No.
class CollectingPrompter : public Prompter {
public:
    void Inform(const std::string& text) override { messages += (messages.empty() ? "" : " ") + text; }
    bool Confirm(const std::string&) override { return false; }
    std::string messages;
};

} // namespace

// The name as the bytes given, whatever they are (see NativePath).
QString PathOf(const std::string& argument) { return PathFromNative(argument); }

CommandFailure FileFailure(std::string message)
{
    std::replace(message.begin(), message.end(), '\n', ' ');
    return CommandFailure(message);
}

void OpenDocumentArgument(const std::string& argument, TangramModel& model)
{
    const QString path = PathOf(argument);
    CollectingPrompter prompter;
    try {
        if (!LoadDocument(model, path, QFileInfo(path).absolutePath(), prompter))
            throw CommandFailure("cannot read " + argument + ": " + prompter.messages);
    } catch (const FileError& e) {
        throw FileFailure(e.what());
    } catch (const ConversionError& e) {
        throw CommandFailure(argument + ": " + e.what());
    }
}

void LoadDocumentArgument(const Arguments& arguments, TangramModel& model)
{
    const int zoom = arguments.integer("--zoom", 100, -1000, 1000);
    if (zoom == 0)
        throw UsageError("--zoom must not be 0");
    OpenDocumentArgument(arguments.operand(0), model);
    model.setZoomPercent(zoom);
    const std::optional<std::string> tag = arguments.value("--palette");
    ApplyPalette(arguments, tag ? FixedRecord(*tag) : StartupPalette, model);
}

} // namespace zol::cli
