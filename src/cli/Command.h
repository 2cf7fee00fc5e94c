#pragma once
// What a zoltool sub-command is: its name, its arguments and what it runs.
// Every sub-command is one row of the table in CommandTable.cpp.

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace zol::cli {

class Arguments;

// Bad arguments: zoltool prints the message on one line and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A run-time failure after good arguments (an unwritable output file): exit 1.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Option {
    std::string name;      // with its dashes: "--scale"
    std::string valueName; // empty for a flag: "S" in "--scale S"
};

struct Command {
    std::string name;
    // Names for the usage line: FIGURE, OUT.png; "[FIGURE]" may be left out.
    std::vector<std::string> operands;
    std::vector<Option> options;
    std::string summary;
    // Writes the command's result to out; throws UsageError or CommandFailure.
    void (*run)(const Arguments& arguments, std::ostream& out);
    // A command that reads its own arguments, writes messages to err and
    // returns the exit status; used instead of run when set.
    int (*runWithStatus)(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) = nullptr;
    // A command whose exit status tells its answer (same or different,
    // solved or not), with its arguments checked against the row; used
    // instead of run when set.
    int (*answer)(const Arguments& arguments, std::ostream& out, std::ostream& err) = nullptr;
    // A command of long work, which shows its progress on err; used instead
    // of run when set.
    void (*runWithProgress)(const Arguments& arguments, std::ostream& out, std::ostream& err) = nullptr;
};

// "render FIGURE OUT.png [--scale S] [--guide]"
std::string UsageOf(const Command& command);

const std::vector<Command>& Commands();

} // namespace zol::cli
