#include "cli/LineProgress.h"

#include <ostream>

namespace zol::cli {

LineProgress::LineProgress(std::ostream& err, std::string what, Clock clock)
    : err_(err), what_(std::move(what)), clock_(std::move(clock))
{
}

// Work ended by an exception never reaches Finish; the line still ends.
LineProgress::~LineProgress() { Finish(); }

void LineProgress::Start(int maximum)
{
    Finish();
    maximum_ = maximum;
    started_ = clock_();
}

void LineProgress::Step(int position)
{
    if (position == shown_ || clock_() - started_ < Delay)
        return;
    err_ << "\rzoltool: " << what_ << ' ' << position << '/' << maximum_ << std::flush;
    shown_ = position;
}

void LineProgress::Finish()
{
    if (shown_ < 0)
        return;
    err_ << '\n' << std::flush;
    shown_ = -1;
}

} // namespace zol::cli
