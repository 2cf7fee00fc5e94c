#include "model/CommaList.h"

#include <algorithm>
#include <charconv>

namespace zol {

namespace {

[[noreturn]] void Fail(MessageId id, std::string_view text)
{
    throw ConversionError(Message{id, {std::string(text.substr(0, 40))}});
}

// Nearly every field is plain: one to nine digits, perhaps after a minus,
// read here in one pass. Returns where it ends with its value, or null for a
// field that needs ParseInteger's checks. Whether a comma or the line's end
// follows is the caller's to see.
inline const char* ReadPlainField(const char* p, const char* end, int& value)
{
    const bool negative = p < end && *p == '-';
    const char* const digits = p + negative;
    const char* q = digits;
    unsigned magnitude = 0;
    while (q < end && q - digits < 9 && static_cast<unsigned>(*q - '0') <= 9)
        magnitude = magnitude * 10 + static_cast<unsigned>(*q++ - '0');
    if (q == digits)
        return nullptr;
    value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
    return q;
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

CommaListReader::CommaListReader(std::string_view line) : line_(line)
{
    if (line.size() > MaxLineLength)
        throw ConversionError(Message{MessageId::LineTooLong, {}});
}

bool CommaListReader::Next(int& value)
{
    if (done_)
        return false;
    if (count_ == ParseBufferSize)
        throw ConversionError(Message{MessageId::TooManyNumbers, {}});
    const char* const begin = line_.data() + position_;
    const char* const end = line_.data() + line_.size();
    const char* p = ReadPlainField(begin, end, value);
    if (!p || (p != end && *p != ',')) {
        p = std::find(begin, end, ',');
        value = ParseInteger(std::string_view(begin, static_cast<size_t>(p - begin)));
    }
    ++count_;
    done_ = p == end;
    position_ = static_cast<size_t>(p - line_.data()) + 1;
    return true;
}

bool ReadPlainCommaList(std::string_view line, std::span<int> values, size_t& count)
{
    if (line.size() > MaxLineLength)
        return false;
    const char* p = line.data();
    const char* const end = p + line.size();
    size_t n = 0;
    for (;;) {
        int value = 0;
        p = ReadPlainField(p, end, value);
        if (!p || n == ParseBufferSize)
            return false;
        if (n < values.size())
            values[n] = value;
        ++n;
        if (p == end)
            break;
        if (*p++ != ',')
            return false;
    }
    count = n;
    return true;
}

std::vector<int> ParseCommaList(std::string_view line)
{
    CommaListReader reader(line);
    std::vector<int> values;
    values.reserve(32); // a figure's placements: four numbers for each of up to eight pieces
    for (int value = 0; reader.Next(value);)
        values.push_back(value);
    return values;
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
