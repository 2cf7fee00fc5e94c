#include "io/IconvConverter.h"

namespace zol {

namespace {

const iconv_t NoConversion = reinterpret_cast<iconv_t>(-1);
const size_t Failed = static_cast<size_t>(-1);

} // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}

IconvConverter::~IconvConverter()
{
    if (cd_ != NoConversion)
        iconv_close(cd_);
}

std::optional<std::string> IconvConverter::Convert(std::string_view input)
{
    if (cd_ == NoConversion)
        return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr); // no state left over from a failed text before
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == Failed)
        return std::nullopt;
    if (iconv(cd_, nullptr, nullptr, &out, &outLeft) == Failed)
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace zol
