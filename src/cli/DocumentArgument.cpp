#include "cli/DocumentArgument.h"

#include "cli/Arguments.h"
#include "cli/PaletteOptions.h"
#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/NativePath.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zol::cli {

// The name as the bytes given, whatever they are (see NativePath).
QString PathOf(const std::string& argument) { return PathFromNative(argument); }

std::string Printed(const QString& path) { return NativePath(path).toStdString(); }

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
    // A bad palette tag is a bad argument, told before the document is read.
    const std::optional<std::string> tag = arguments.value("--palette");
    const PaletteParams palette = tag ? FixedRecord(*tag) : StartupPalette;
    OpenDocumentArgument(arguments.operand(0), model);
    model.setZoomPercent(zoom);
    ApplyPalette(arguments, palette, model);
}

} // namespace zol::cli
