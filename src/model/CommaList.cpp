#include "model/CommaList.h"

#include <charconv>

namespace zol {

namespace {

[[noreturn]] void Fail(MessageId id, std::string_view text)
{
    throw ConversionError(Message{id, {std::string(text.substr(0, 40))}});
}

} // namespace

int ParseInteger(std::string_view field)
{
    if (field.size() > MaxFieldLength)
        Fail(MessageId::NumberTooLong, field);
    std::string_view s = field;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.front() < '0' || s.front() > '9')
        Fail(MessageId::NotAnInteger, field);
    long long magnitude = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (ec != std::errc() || end != s.data() + s.size())
        Fail(MessageId::NotAnInteger, field);
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        Fail(MessageId::NotAnInteger, field);
    return static_cast<int>(value);
}

std::vector<int> ParseCommaList(std::string_view line)
{
    if (line.size() > MaxLineLength)
        throw ConversionError(Message{MessageId::LineTooLong, {}});
    std::vector<int> values;
    values.reserve(32); // a figure's placements: four numbers for each of up to eight pieces
    size_t start = 0;
    for (;;) {
        // Fields are a few digits long: a loop finds their end sooner than
        // a call to find would.
        size_t end = start;
        while (end < line.size() && line[end] != ',')
            ++end;
        const size_t comma = end < line.size() ? end : std::string_view::npos;
        const std::string_view field = line.substr(start, end - start);
        if (values.size() == ParseBufferSize)
            throw ConversionError(Message{MessageId::TooManyNumbers, {}});
        values.push_back(ParseInteger(field));
        if (comma == std::string_view::npos)
            return values;
        start = comma + 1;
    }
}

std::string FormatCommaList(const std::vector<int>& values)
{
    std::string text;
    text.reserve(values.size() * 5);
    for (size_t i = 0; i < values.size(); ++i) {
        if (i)
            text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

} // namespace zol
