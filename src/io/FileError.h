#pragma once
// A file that could not be read or written. The message is UTF-8 text for the
// user: what failed, the file, and the system's reason.

#include <stdexcept>

namespace zol {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zol
