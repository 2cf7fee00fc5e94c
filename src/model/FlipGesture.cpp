#include "model/FlipGesture.h"

#include <algorithm>
#include <cstdlib>

namespace zol {

void FlipGesture::clear()
{
    ring_.fill(0);
    write_ = 0;
    net_ = 0;
    travel_ = 0;
}

void FlipGesture::Reset(const FlipGestureSettings& settings)
{
    settings_ = settings;
    // The ring holds 1024 steps; a window outside 1..1024 would read past it.
    window_ = static_cast<int>(std::clamp<long long>(1LL * settings.flipsens * settings.fssens, 1, 1024));
    clear();
}

bool FlipGesture::Step(int dx)
{
    const int size = static_cast<int>(ring_.size());
    ring_[write_] = dx;
    net_ += dx;
    travel_ += std::llabs(dx);
    write_ = (write_ + 1) % size;
    const int old = ring_[((write_ - window_) % size + size) % size];
    net_ -= old;
    travel_ -= std::llabs(old);
    if (std::llabs(net_) < settings_.dcxsmin && travel_ > settings_.dcxabsmax) {
        clear();
        return true;
    }
    return false;
}

} // namespace zol
