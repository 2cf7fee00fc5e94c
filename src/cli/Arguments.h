#pragma once
// The operands and options of one sub-command, checked against its table row.

#include "cli/Command.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zol::cli {

class Arguments {
public:
    // Words starting with "--" are options, all others operands (so a FIGURE
    // may start with a minus sign). Unknown or repeated options, a missing
    // option value and a wrong operand count throw UsageError.
    Arguments(const Command& command, const std::vector<std::string>& words);

    const std::string& operand(size_t i) const { return operands_.at(i); }
    size_t operandCount() const { return operands_.size(); }
    bool has(const std::string& option) const { return values_.count(option) != 0; }
    std::optional<std::string> value(const std::string& option) const;
    // The option's value as a decimal integer in min..max, or fallback.
    int integer(const std::string& option, int fallback, int min, int max) const;
    // The option's value as a finite decimal number, or fallback.
    double real(const std::string& option, double fallback) const;
    std::optional<uint32_t> seed(const std::string& option) const;

private:
    std::vector<std::string> operands_;
    std::map<std::string, std::string> values_;
};

// A decimal integer in min..max; what names the value in the message.
int IntegerIn(const std::string& text, int min, int max, const std::string& what);

} // namespace zol::cli
