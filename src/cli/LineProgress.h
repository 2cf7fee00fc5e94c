#pragma once
// zoltool's answer to Progress: nothing for short work; work that runs longer
// than a moment gets one line on stderr that counts up in place ("\r") and
// ends with the work, so a script's log holds at most that one line.

#include "io/Progress.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

namespace zol::cli {

class LineProgress final : public Progress {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // Work shorter than this shows nothing.
    static constexpr std::chrono::milliseconds Delay{1000};

    // The line reads "zoltool: <what> <position>/<maximum>".
    LineProgress(std::ostream& err, std::string what, Clock clock = std::chrono::steady_clock::now);
    ~LineProgress() override;

    void Start(int maximum) override;
    void Step(int position) override;
    void Finish() override;

private:
    std::ostream& err_;
    std::string what_;
    Clock clock_;
    std::chrono::steady_clock::time_point started_{};
    int maximum_ = 0;
    int shown_ = -1; // the position the line shows; -1 before the line exists
};

} // namespace zol::cli
