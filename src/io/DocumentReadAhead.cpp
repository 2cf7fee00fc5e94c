#include "io/DocumentReadAhead.h"

#include "io/DocumentFile.h"
#include "io/NativePath.h"

#include <utility>

namespace zol {

DocumentReadAhead::DocumentReadAhead(QString path) : path_(std::move(path))
{
    if (PathExists(path_))
        text_ = std::async(std::launch::async, ReadTextFile, path_);
}

bool DocumentReadAhead::LoadInto(TangramModel& model, const QString& currentFolder, Prompter& prompter)
{
    // A file that came or went meanwhile is left to the plain load, which
    // reports it as it would any other time.
    if (!text_.valid() || !PathExists(path_))
        return LoadDocument(model, path_, currentFolder, prompter);
    return LoadDocumentText(model, path_, text_.get(), currentFolder, prompter);
}

} // namespace zol
