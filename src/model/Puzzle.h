#pragma once
// A figure played as a puzzle: the player starts from the set's start
// arrangement and moves the pieces until the board's silhouette is the
// figure's. Any placement with that silhouette solves it, not only the
// figure's own. The clock is fed by the caller, so the rules run without a
// timer and tests step them.

#include "model/PieceSet.h"
#include "model/Silhouette.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

namespace zol {

class Puzzle {
public:
    Puzzle(const PieceSet& set, const Figure& target, const Figure& start);

    const Figure& target() const { return target_; }
    const Silhouette& silhouette() const { return silhouette_; }
    const Figure& start() const { return start_; }
    std::int64_t elapsedMs() const { return elapsedMs_; }
    int hintsUsed() const { return hintsUsed_; }
    bool solved() const { return solved_; }

    // Time passes on the clock; it stands still once the puzzle is solved.
    void Elapse(std::int64_t ms);
    // Compares the board with the target; true when this made the puzzle solved.
    bool Check(const Figure& board);
    // The board with one more piece put where a solution has it, and the hint
    // counted. Pieces already right stay: the solution is the solver's that
    // keeps the pieces lying inside the silhouette (each search takes up to
    // `searchTime`), else the one that keeps the pieces where the figure's
    // own placement or an earlier hint has them, else the figure's own
    // placement. A solved puzzle gives no hint.
    Figure Hint(const Figure& board, std::chrono::milliseconds searchTime);

private:
    PieceSet set_;
    Figure target_;
    Figure start_;
    Silhouette silhouette_;
    std::int64_t elapsedMs_ = 0;
    int hintsUsed_ = 0;
    // Where hints put pieces; a piece still there counts as right.
    Figure hinted_;
    std::array<bool, MaxPieces> hintedPieces_{};
    bool solved_ = false;
};

// The clock as the status bar shows it: minutes:seconds.
std::string ClockText(std::int64_t ms);

} // namespace zol
