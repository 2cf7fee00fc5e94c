#include "DataFiles.h"

#include <fstream>
#include <iterator>

namespace zol::datacheck {

std::filesystem::path DataDir() { return ZOL_DATA_DIR; }

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CrLfLines SplitCrLf(const std::string& bytes)
{
    CrLfLines result;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            return {};
        std::string line = bytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos)
            return {};
        result.lines.push_back(std::move(line));
        start = end + 2;
    }
    result.wellFormed = !result.lines.empty();
    return result;
}

} // namespace zol::datacheck
