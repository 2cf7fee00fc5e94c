#pragma once
// zoltool's entry: picks the sub-command, runs it, turns errors into status.

#include <iosfwd>
#include <string>
#include <vector>

namespace zol::cli {

// Exit status: 0 success, 1 a failure after good arguments, 2 bad arguments
// or a malformed figure (one line on err).
int RunZoltool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

} // namespace zol::cli
