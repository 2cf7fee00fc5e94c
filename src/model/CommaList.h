#pragma once
// The comma-separated integer text form of piece lines and placement lines.

#include "model/Message.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Raised by every number parser for text that is not a well-formed integer list.
// Every command handler catches it and reports it; the model stays consistent.
class ConversionError : public std::runtime_error, public MessageError {
public:
    // what() is the English text; the editor shows the Japanese one.
    explicit ConversionError(const Message& message)
        : std::runtime_error(MessageText(message, Language::English)), MessageError(message)
    {
    }
    explicit ConversionError(const std::string& text) : std::runtime_error(text), MessageError(text) {}
};

inline constexpr int MaxLineLength = 4095;
inline constexpr int MaxFieldLength = 31;
inline constexpr int ParseBufferSize = 1024;

// Strict decimal integer: optional leading blanks, optional sign, digits, nothing
// else. Throws ConversionError for anything else, including values beyond int32.
int ParseInteger(std::string_view field);

// Reads the integers of a comma list one at a time, with the checks and
// errors of ParseCommaList, so that a caller needing only some of them
// builds no vector.
class CommaListReader {
public:
    // Throws for an over-long line.
    explicit CommaListReader(std::string_view line);
    // The next integer; false after the last. Throws for a bad field or for
    // one more than ParseBufferSize.
    bool Next(int& value);
    size_t count() const { return count_; }

private:
    std::string_view line_;
    size_t position_ = 0;
    size_t count_ = 0;
    bool done_ = false;
};

// The form of nearly every list, read in one tight pass: fields of one to
// nine digits, each perhaps after a minus, between single commas, at most
// ParseBufferSize of them. The first values.size() numbers go into values and
// count tells how many there are. Returns false, with nothing promised about
// values, for any other line: CommaListReader then reads it with its errors.
bool ReadPlainCommaList(std::string_view line, std::span<int> values, size_t& count);

// Splits "a,b,c" into integers. An empty field (",,", a trailing comma, an empty
// line), an over-long line or field, or more than ParseBufferSize fields throws.
std::vector<int> ParseCommaList(std::string_view line);

std::string FormatCommaList(const std::vector<int>& values);

} // namespace zol
