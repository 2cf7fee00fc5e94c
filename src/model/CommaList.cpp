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
    // Nearly every field of a document is a few plain digits, perhaps with a
    // minus: those need none of the checks below, as nine digits fit an int.
    if (!field.empty() && field.size() <= 9) {
        const bool negative = field[0] == '-';
        unsigned magnitude = 0;
        size_t i = negative ? 1 : 0;
        bool plain = i < field.size();
        for (; plain && i < field.size(); ++i) {
            const unsigned digit = static_cast<unsigned>(field[i] - '0');
            plain = digit <= 9;
            magnitude = magnitude * 10 + digit;
        }
        if (plain)
            return negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
    }
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
    // Fields are a few digits long: a loop finds their end sooner than a
    // call to find would.
    size_t end = position_;
    while (end < line_.size() && line_[end] != ',')
        ++end;
    if (count_ == ParseBufferSize)
        throw ConversionError(Message{MessageId::TooManyNumbers, {}});
    value = ParseInteger(line_.substr(position_, end - position_));
    ++count_;
    done_ = end == line_.size();
    position_ = end + 1;
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
