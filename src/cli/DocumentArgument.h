#pragma once
// DOC.zol operands of zoltool's commands: opened as the editor opens a
// document, drawn as the options say, failures reported on one line.

#include "cli/Command.h"

#include <QString>

#include <string>

namespace zol {
class TangramModel;
}

namespace zol::cli {

class Arguments;

// A file name argument as a path.
QString PathOf(const std::string& argument);

// File messages come as lines (what, which file, why); zoltool reports on one.
CommandFailure FileFailure(std::string message);

// Opens the document with its piece set into model, questions answered No;
// a document that cannot be read throws CommandFailure.
void OpenDocumentArgument(const std::string& argument, TangramModel& model);

// Operand 0 opened so, with white pieces on black unless --palette names a
// palette, drawn at the zoom of --zoom.
void LoadDocumentArgument(const Arguments& arguments, TangramModel& model);

} // namespace zol::cli
