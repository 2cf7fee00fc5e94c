#pragma once
// Finding placements of a set's pieces that make a given silhouette where it
// stands on the board: each piece at a multiple of the set's angle step,
// flipped or not, at whole pixels, so that the board draws the answer exactly
// as a document stores it.

#include "model/Message.h"
#include "model/Silhouette.h"

#include <array>
#include <chrono>
#include <functional>
#include <limits>
#include <stdexcept>
#include <stop_token>
#include <vector>

namespace zol {

struct SolveRequest {
    Silhouette target; // in place on the board
    PieceSet set;      // whose pieces are to make it
    // Pieces already put down, kept where they are (a hint finds the rest).
    std::array<bool, MaxPieces> placed{};
    Figure given;      // the placements of the placed pieces
    // Stop after this many solutions; two that differ only by exchanging
    // equal pieces are one.
    int limit = 1;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    std::stop_token stop; // asked to stop: the search ends soon after
    // Called with each solution as it is found, on the searching thread.
    std::function<void(const Figure&)> found;
};

enum class SolveEnd {
    Searched, // every possibility was tried: the solutions are all there are
    Limit,    // the limit of solutions was reached
    TimeUp,   // the deadline passed first
    Stopped,  // the stop token asked for it
};

struct SolveResult {
    std::vector<Figure> solutions; // placements of every piece of the set; no captions
    SolveEnd end = SolveEnd::Searched;
    bool complete() const { return end == SolveEnd::Searched; }
};

// A target the solver refuses: empty, or not wholly on the board.
class SolveTargetError : public std::invalid_argument, public MessageError {
public:
    explicit SolveTargetError(Message message);
};

// Throws SolveTargetError before searching when the target is empty or not
// wholly on the board.
SolveResult Solve(const SolveRequest& request);

} // namespace zol
