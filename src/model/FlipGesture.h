#pragma once
// Shake to flip: quick left-right motion while carrying mirrors the pieces.

#include <array>

namespace zol {

struct FlipGestureSettings {
    int dcxsmin = 32;    // net horizontal travel below which motion is a shake
    int dcxabsmax = 200; // total horizontal travel a shake must exceed
    int flipsens = 8;
    int fssens = 5;
};

class FlipGesture {
public:
    // Starts a drag; the window length flipsens x fssens is fixed until the next.
    void Reset(const FlipGestureSettings& settings);
    // Feeds one drag step's horizontal delta; true when a shake was recognised
    // (the caller flips the selection), after which the detector starts over.
    bool Step(int dx);

private:
    void clear();

    static constexpr unsigned RingSize = 1024;
    std::array<int, RingSize> ring_{};
    unsigned write_ = 0;
    unsigned window_ = 40; // low ten bits of flipsens x fssens
    long long net_ = 0;
    long long travel_ = 0;
    FlipGestureSettings settings_;
};

} // namespace zol
