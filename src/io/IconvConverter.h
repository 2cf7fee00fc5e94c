#pragma once
// One open iconv conversion, kept for as many texts as the owner converts.

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace zol {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // All of input converted; nullopt on any invalid or unrepresentable
    // sequence (or when the conversion could not be opened), so nothing is
    // ever silently replaced.
    std::optional<std::string> Convert(std::string_view input);

private:
    iconv_t cd_;
};

} // namespace zol
