#pragma once
// zoltool's standard output: a buffer over the file descriptor that keeps the
// system's reason for the first write that failed (a full disk, a closed
// file), so that zoltool can end with that reason and status 1 rather than
// report success with its output lost.

#include <array>
#include <streambuf>

namespace zol::cli {

class DescriptorOutput : public std::streambuf {
public:
    explicit DescriptorOutput(int descriptor) : descriptor_(descriptor) { Reset(); }
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    // Writes what is buffered, then closes the descriptor; the errno of the
    // first write or close that failed, 0 when every byte went out.
    int Close();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();
    void Reset() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    int descriptor_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

} // namespace zol::cli
