#include "model/ViewerAnimation.h"

#include "model/TangramModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zol {

namespace {

constexpr double TickStep = 0.1;
constexpr float CycleEnd = 14.0f;
constexpr double Stagger = 0.25; // between the departures of two pieces
constexpr double Travel = 2.0;   // time one piece takes

} // namespace

ViewerAnimation::ViewerAnimation(const TangramModel& document, int selected)
    : document_(document), count_(document.figureCount()), pieces_(document.pieceCount())
{
    if (count_ < 1)
        throw std::invalid_argument("the slide show needs at least one figure");
    const int first = selected >= 0 && selected < count_ ? selected : 0;
    next_ = Wrap(first + 1);
    from_ = Load(first);
    to_ = Load(next_);
    shown_ = from_;
}

Figure ViewerAnimation::Load(int k) const { return document_.ParseFigure(k); }

int ViewerAnimation::Wrap(int k) const { return ((k % count_) + count_) % count_; }

void ViewerAnimation::Advance()
{
    from_ = Load(next_);
    next_ = Wrap(next_ + 1);
    to_ = Load(next_);
}

void ViewerAnimation::SetNumber(int k) { number_ = std::to_string(k + 1) + "/" + std::to_string(count_); }

double ViewerAnimation::Weight(float t, int piece)
{
    const double s = std::clamp(double(t) - Stagger * piece, 0.0, Travel);
    return (1.0 - std::cos(std::numbers::pi * s / 2.0)) / 2.0;
}

bool ViewerAnimation::Tick()
{
    // The time is kept in 32 bits, as the cycle's length depends on it: the
    // sum passes 14.0 on the 140th tick.
    t_ = static_cast<float>(double(t_) + TickStep);
    if (t_ >= CycleEnd)
        t_ = 0.0f;
    if (t_ == 0.0f)
        Advance();
    if (static_cast<int>(10.0 * double(t_)) == 6) {
        caption_ = to_.caption;
        SetNumber(next_);
    }
    if (double(t_) - Stagger * pieces_ > Travel && !redrawForced_)
        return false;
    redrawForced_ = false;
    Interpolate();
    return true;
}

void ViewerAnimation::Interpolate()
{
    for (int i = 0; i < pieces_; ++i) {
        const double w = Weight(t_, i);
        // Written as a + w(b - a), the mix of a value with itself is exactly
        // that value: pieces that stay do not shake by a pixel.
        const auto mix = [w](double a, double b) { return a + w * (b - a); };
        // Angles are mixed as plain numbers: 710 to 10 turns backwards.
        shown_.x[i] = static_cast<int>(mix(from_.x[i], to_.x[i]));
        shown_.y[i] = static_cast<int>(mix(from_.y[i], to_.y[i]));
        shown_.angle[i] = static_cast<int>(mix(from_.angle[i], to_.angle[i]));
        // A piece that changes sides is drawn squeezed on its way.
        shown_.flip[i] = mix(from_.flip[i], to_.flip[i]);
    }
    shown_.caption = to_.caption;
}

void ViewerAnimation::UpdateLabelsAfterStep()
{
    caption_ = static_cast<int>(10.0 * double(t_)) <= 6 ? from_.caption : to_.caption;
    SetNumber(next_);
}

bool ViewerAnimation::ShowStill()
{
    t_ = 0.0f;
    const int k = next_;
    Advance();
    caption_ = from_.caption;
    SetNumber(k);
    shown_ = from_;
    return true;
}

bool ViewerAnimation::GoForward()
{
    if (!playing_) {
        if (t_ > 3.0f)
            next_ = Wrap(next_ + 1);
        return ShowStill();
    }
    Advance();
    UpdateLabelsAfterStep();
    redrawForced_ = true;
    return false;
}

bool ViewerAnimation::StepBack()
{
    if (!playing_) {
        next_ = Wrap(t_ <= 0.0f ? next_ - 2 : next_ - 1);
        return ShowStill();
    }
    next_ = Wrap(next_ - 2);
    Advance();
    UpdateLabelsAfterStep();
    redrawForced_ = true;
    return false;
}

bool ViewerAnimation::TogglePicture()
{
    if (!pictureLoaded_)
        return false;
    pictureShown_ = !pictureShown_;
    redrawForced_ = true;
    return !playing_;
}

void ViewerAnimation::SetPictureLoaded(bool loaded) { pictureLoaded_ = pictureShown_ = loaded; }

} // namespace zol
