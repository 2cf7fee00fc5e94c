#pragma once
// Documents built in memory for the export tests.

#include "io/Progress.h"
#include "model/TangramModel.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zol::test {

// The built-in set with white pieces on black and one figure per caption;
// figure i is the start arrangement moved by shifts[i] pixels to the right
// (i * 12 without shifts).
void FillDocument(TangramModel& model, const QStringList& captions, const std::vector<int>& shifts = {});

QStringList Captions(const TangramModel& model);

// Records what the work reported.
struct RecordedProgress : Progress {
    void Start(int maximum) override { starts.push_back(maximum); }
    void Step(int position) override { steps.push_back(position); }
    void Finish() override { ++finishes; }
    std::vector<int> starts;
    std::vector<int> steps;
    int finishes = 0;
};

} // namespace zol::test
