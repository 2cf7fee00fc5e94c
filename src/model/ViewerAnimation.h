#pragma once
// The active viewer's slide show without a window: the pieces glide one after
// another from the placements of one list figure to those of the next, each
// eased in and out, with the caption and the position in the list as label
// texts. A tick advances the time by 0.1 (20 ticks a second); one figure
// change takes 140 ticks. The animation reads the document's figures and
// never changes them: drawing the shown figure is DrawViewerPicture's job.

#include "model/Figure.h"

#include <string>

namespace zol {

class TangramModel;

class ViewerAnimation {
public:
    // Starts with the pieces on figure `selected` (the first one when it is
    // not a list position), moving to the one after it. The model must hold
    // at least one figure and outlive the animation.
    ViewerAnimation(const TangramModel& document, int selected);

    // One 50 ms step of the timer. True when the shown figure must be drawn:
    // while pieces move or after a forced redraw; later ticks of a cycle
    // leave the last picture.
    bool Tick();

    // "▲": one figure forward; "▼": one figure back. While playing the pair
    // changes and the motion goes on at the same phase; while paused the
    // still figure is shown. True when the shown figure must be drawn now.
    bool GoForward();
    bool StepBack();

    // A click on the picture switches the background picture on and off, when
    // there is one. True when it must be drawn now (paused).
    bool TogglePicture();
    void SetPictureLoaded(bool loaded);

    bool playing() const { return playing_; }
    void TogglePlay() { playing_ = !playing_; }

    // The figure to draw, and what the labels show: the caption (bytes in the
    // document's encoding) and the position, for example "3/25".
    const Figure& shown() const { return shown_; }
    const std::string& caption() const { return caption_; }
    const std::string& number() const { return number_; }
    bool pictureLoaded() const { return pictureLoaded_; }
    bool pictureShown() const { return pictureShown_; }

    const Figure& from() const { return from_; }
    const Figure& to() const { return to_; }
    int next() const { return next_; }
    float t() const { return t_; }

    // How far piece i has travelled at time t: 0 at its start, 1 at its end.
    // Piece i sets off 0.25 after piece i - 1 and travels for 2.0.
    static double Weight(float t, int piece);

private:
    Figure Load(int k) const;
    int Wrap(int k) const;
    void Advance(); // from := F[next], next := next + 1, to := F[next]
    void SetNumber(int k);
    void UpdateLabelsAfterStep();
    void Interpolate();
    bool ShowStill();

    const TangramModel& document_;
    int count_;
    int pieces_;
    Figure from_;
    Figure to_;
    Figure shown_;
    int next_ = 0;
    float t_ = 0.0f;
    std::string caption_ = "title";
    std::string number_ = "Number";
    bool playing_ = true;
    bool pictureLoaded_ = false;
    bool pictureShown_ = false;
    bool redrawForced_ = false;
};

} // namespace zol
