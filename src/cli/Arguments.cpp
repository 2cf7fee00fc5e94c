#include "cli/Arguments.h"

#include "model/CommaList.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zol::cli {

namespace {

const Option* FindOption(const Command& command, const std::string& name)
{
    for (const Option& option : command.options)
        if (option.name == name)
            return &option;
    return nullptr;
}

} // namespace

Arguments::Arguments(const Command& command, const std::vector<std::string>& words)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            operands_.push_back(word);
            continue;
        }
        const Option* option = FindOption(command, word);
        if (!option)
            throw UsageError(command.name + " has no option " + word);
        if (has(word))
            throw UsageError(word + " is given twice");
        if (option->valueName.empty()) {
            values_[word] = "";
        } else {
            if (i + 1 == words.size())
                throw UsageError(word + " needs a value " + option->valueName);
            values_[word] = words[++i];
        }
    }
    const auto optional = std::count_if(command.operands.begin(), command.operands.end(),
                                        [](const std::string& name) { return name.rfind('[', 0) == 0; });
    if (operands_.size() > command.operands.size() || operands_.size() + optional < command.operands.size())
        throw UsageError("usage: zoltool " + UsageOf(command));
}

int IntegerIn(const std::string& text, int min, int max, const std::string& what)
{
    int value = 0;
    try {
        value = ParseInteger(text);
    } catch (const ConversionError&) {
        throw UsageError(what + " must be an integer, not '" + text + "'");
    }
    if (value < min || value > max)
        throw UsageError(what + " must lie in " + std::to_string(min) + ".." + std::to_string(max) + ", not " +
                         text);
    return value;
}

std::optional<std::string> Arguments::value(const std::string& option) const
{
    if (!has(option))
        return std::nullopt;
    return values_.at(option);
}

int Arguments::integer(const std::string& option, int fallback, int min, int max) const
{
    return has(option) ? IntegerIn(values_.at(option), min, max, option) : fallback;
}

double Arguments::real(const std::string& option, double fallback) const
{
    if (!has(option))
        return fallback;
    const std::string& text = values_.at(option);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw UsageError(option + " must be a number, not '" + text + "'");
    return value;
}

std::optional<uint32_t> Arguments::seed(const std::string& option) const
{
    if (!has(option))
        return std::nullopt;
    const std::string& text = values_.at(option);
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw UsageError(option + " must be an integer in 0..4294967295, not '" + text + "'");
    return value;
}

} // namespace zol::cli
