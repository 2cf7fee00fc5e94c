#pragma once
// zoltool's document commands, and FIGURE arguments that name a figure of a
// document. Arguments are those after the command's name; the commands print
// results on out and messages on err, and return the exit status: 0 on
// success, 2 on failure or bad arguments.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zol {

class TangramModel;

// The usage lines of the commands below and of the DOC.zol:K form of FIGURE.
const char* DocumentCommandsUsage();

// `info DOC.zol`: the set name, the figure count, the text encoding, and a
// line "line N: <message>" for each placement line that does not parse (N is
// the line's 1-based number in the file).
int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `save-as IN.zol OUT.zol`: loads IN as the editor opens a document (questions
// answered No) and writes it to OUT as the editor's Save As does.
int SaveAsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// "DOC.zol:K" names figure K of a document, counted from 0 as the list is.
struct DocumentFigure {
    std::string path;
    int index = 0;
};

// nullopt when argument is not of that form (a placement line, for example).
std::optional<DocumentFigure> ParseDocumentFigure(const std::string& argument);

enum class FigureLoad { Loaded, DocumentFailed, FigureFailed };

// Loads the document with its piece set into model and puts the figure on the
// board; on failure, a message on err and which of the two was at fault (a
// piece set that does not read fails the document, not the figure).
FigureLoad LoadDocumentFigure(const DocumentFigure& figure, TangramModel& model, std::ostream& err);

} // namespace zol
