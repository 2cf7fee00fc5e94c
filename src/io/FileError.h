#pragma once
// A file that could not be read or written: what failed, the file, and the
// system's reason, in UTF-8. what() is the English text; the editor shows the
// Japanese one.

#include "model/Message.h"

#include <stdexcept>

namespace zol {

class FileError : public std::runtime_error, public MessageError {
public:
    explicit FileError(const Message& message)
        : std::runtime_error(MessageText(message, Language::English)), MessageError(message)
    {
    }
    explicit FileError(const std::string& text) : std::runtime_error(text), MessageError(text) {}
};

} // namespace zol
