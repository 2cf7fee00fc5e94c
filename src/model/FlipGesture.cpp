#include "model/FlipGesture.h"

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
    // Only the low ten bits of the window matter, as the ring has 1024 steps:
    // 0 (or 1024) spans the whole ring and 1 (or 1025) nothing. Unsigned
    // arithmetic keeps those bits of any product, negative or overflowing.
    window_ = static_cast<unsigned>(settings.flipsens) * static_cast<unsigned>(settings.fssens) % RingSize;
    clear();
}

bool FlipGesture::Step(int dx)
{
    ring_[write_] = dx;
    net_ += dx;
    travel_ += std::llabs(dx);
    write_ = (write_ + 1) % RingSize;
    const int old = ring_[(write_ + RingSize - window_) % RingSize];
    net_ -= old;
    travel_ -= std::llabs(old);
    if (std::llabs(net_) < settings_.dcxsmin && travel_ > settings_.dcxabsmax) {
        clear();
        return true;
    }
    return false;
}

} // namespace zol
