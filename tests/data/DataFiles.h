#pragma once
// Reading the shipped data files as the bytes they hold.

#include <filesystem>
#include <string>
#include <vector>

namespace zol::datacheck {

std::filesystem::path DataDir();

std::string ReadBytes(const std::filesystem::path& path);

// The lines of a text that ends every line, the last included, with CR LF;
// empty when any line ends otherwise or a CR or LF stands alone.
struct CrLfLines {
    bool wellFormed = false;
    std::vector<std::string> lines;
};
CrLfLines SplitCrLf(const std::string& bytes);

} // namespace zol::datacheck
