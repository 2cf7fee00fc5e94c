#include "cli/Zoltool.h"

#include "cli/Arguments.h"
#include "cli/Command.h"

#include <ostream>

namespace zol::cli {

namespace {

void PrintUsage(std::ostream& out)
{
    out << "usage: zoltool COMMAND ARGUMENTS...\n";
    for (const Command& command : Commands())
        out << "  zoltool " << UsageOf(command) << "\n      " << command.summary << '\n';
    out << "FIGURE is a placement line of the built-in set: 28 comma-separated integers, x, y, angle, flip per "
           "piece.\n"
           "It may also be DOC.zol:K, figure K (counted from 0) of a document.\n";
}

const Command& FindCommand(const std::string& name)
{
    for (const Command& command : Commands())
        if (command.name == name)
            return command;
    throw UsageError("unknown command '" + name + "' (zoltool --help lists them)");
}

} // namespace

int RunZoltool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err)
{
    if (words.empty()) {
        PrintUsage(err);
        return 2;
    }
    if (words[0] == "--version") {
        out << "zoltool " << ZOL_VERSION << '\n';
        return 0;
    }
    // "zoltool help" and "zoltool help COMMAND" as "--help" and "COMMAND --help".
    if ((words[0] == "--help" || words[0] == "-h" || words[0] == "help") && words.size() == 1) {
        PrintUsage(out);
        return 0;
    }
    try {
        if (words[0] == "help" && words.size() == 2) {
            out << "usage: zoltool " << UsageOf(FindCommand(words[1])) << '\n';
            return 0;
        }
        const Command& command = FindCommand(words[0]);
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (rest.size() == 1 && rest[0] == "--help") {
            out << "usage: zoltool " << UsageOf(command) << '\n';
            return 0;
        }
        if (command.runWithStatus)
            return command.runWithStatus(rest, out, err);
        if (command.answer)
            return command.answer(Arguments(command, rest), out, err);
        if (command.runWithProgress)
            command.runWithProgress(Arguments(command, rest), out, err);
        else
            command.run(Arguments(command, rest), out);
        out.flush();
        return 0;
    } catch (const UsageError& error) {
        err << "zoltool: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        err << "zoltool: " << error.what() << '\n';
        return 1;
    }
}

} // namespace zol::cli
