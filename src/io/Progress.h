#pragma once
// How long work (sorting, the catalogue, exports) reports how far it got.
// The editor answers with the tool-bar gauge; zoltool with nothing, or a line
// on stderr for long work.

namespace zol {

class Progress {
public:
    virtual ~Progress() = default;
    // The work has `maximum` steps; the gauge shows 0 of them.
    virtual void Start(int maximum) = 0;
    // `position` steps of the maximum are done.
    virtual void Step(int position) = 0;
    // The work ended, finished or not; the gauge hides.
    virtual void Finish() = 0;
};

// Reports nothing: for callers that have no gauge.
class NoProgress final : public Progress {
public:
    void Start(int) override {}
    void Step(int) override {}
    void Finish() override {}
};

} // namespace zol
