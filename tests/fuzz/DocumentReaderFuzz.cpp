// The document reader: any bytes load or are refused cleanly, and a document
// that loads saves into a file that loads again with the same lines and text.
#include "FuzzSupport.h"

#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <QStringList>

using namespace zol;

namespace {

QStringList ShownLines(const TangramModel& model)
{
    QStringList text;
    for (std::string_view line : model.figureLines())
        text << DecodeText(line, model.documentEncoding());
    return text;
}

bool Load(TangramModel& model, const QString& path)
{
    fuzz::DecliningPrompter prompter;
    return LoadDocument(model, path, fuzz::Scratch().path(), prompter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::ScratchPath("input.zol");
    fuzz::WriteBytes(path, data, size);
    TangramModel model;
    try {
        if (!Load(model, path))
            return 0;
    } catch (const ConversionError&) {
        return 0;
    } catch (const FileError&) {
        return 0;
    }
    for (int i = 0; i < model.figureCount(); ++i) {
        try {
            model.LoadFigure(i);
        } catch (const ConversionError&) {
        }
    }

    const QStringList shown = ShownLines(model);
    const size_t lines = model.figureLines().size();
    model.setModified(true);
    const QString savedPath = fuzz::ScratchPath("saved.zol");
    fuzz::Require(SaveDocument(model, savedPath), "a modified document is written");
    fuzz::Require(ShownLines(model) == shown, "saving keeps the text the model shows");

    TangramModel reopened;
    fuzz::Require(Load(reopened, savedPath), "a saved document opens again");
    fuzz::Require(reopened.figureLines().size() == lines, "a saved document reopens with as many lines");
    fuzz::Require(ShownLines(reopened) == shown, "a saved document reopens with the same text");
    return 0;
}
