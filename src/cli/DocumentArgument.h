#pragma once
// DOC.zol operands of zoltool's commands: opened as the editor opens a
// document, drawn as the options say, failures reported on one line.

#include "cli/Command.h"
#include "io/Prompter.h"

#include <QString>

#include <string>

namespace zol {
class TangramModel;
}

namespace zol::cli {

class Arguments;

// A file name argument as a path.
QString PathOf(const std::string& argument);

// A written path as the system holds it, for scripts to use.
std::string Printed(const QString& path);

// Without a user: messages are kept for the failure report, questions answered No.
class CollectingPrompter : public Prompter {
public:
    void Inform(const std::string& text) override { messages += (messages.empty() ? "" : " ") + text; }
    bool Confirm(const std::string&) override { return false; }
    std::string messages;
};

// File messages come as lines (what, which file, why); zoltool reports on one.
CommandFailure FileFailure(std::string message);

// Opens the document with its piece set into model, questions answered No;
// a document that cannot be read throws CommandFailure.
void OpenDocumentArgument(const std::string& argument, TangramModel& model);

// Operand 0 opened so, with white pieces on black unless --palette names a
// palette, drawn at the zoom of --zoom.
void LoadDocumentArgument(const Arguments& arguments, TangramModel& model);

} // namespace zol::cli
