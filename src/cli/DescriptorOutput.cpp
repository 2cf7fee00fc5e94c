#include "cli/DescriptorOutput.h"

#include "io/AtomicFile.h"

#include <cerrno>

#include <unistd.h>

namespace zol::cli {

bool DescriptorOutput::Drain()
{
    // After a failure the rest is dropped: the reason is what is reported.
    if (error_ == 0)
        error_ = WriteAll(descriptor_, std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
    Reset();
    return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync() { return Drain() ? 0 : -1; }

int DescriptorOutput::Close()
{
    Drain();
    // A file system may report a failed write only when the file is closed.
    // An output that was never open has nothing to lose unless written to.
    if (::close(descriptor_) != 0 && errno != EBADF && error_ == 0)
        error_ = errno;
    return error_;
}

} // namespace zol::cli
