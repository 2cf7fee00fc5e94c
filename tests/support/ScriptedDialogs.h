#pragma once
// Dialogs without windows, for tests: every text shown is recorded, and the
// answers and chosen paths come from queues the test fills beforehand.

#include "ui/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace zol {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Information, Confirmation, Warning, WarningWithOk, Error, OpenFile, SaveFile, PuzzleSheet, OpenFolder };

    struct Record {
        Kind kind;
        QString text;        // the message, the file dialog's title, or the folder opened
        bool withCancel = false;
        FileRequest request; // file dialogs only
        PuzzleSheetRequest sheet; // the puzzle-sheet dialog only: what it proposed
    };

    void QueueAnswer(Answer answer) { answers_.push_back(answer); }
    void QueuePath(std::optional<QString> path) { paths_.push_back(std::move(path)); }
    void QueueSheet(std::optional<PuzzleSheetRequest> sheet) { sheets_.push_back(std::move(sheet)); }

    const std::vector<Record>& records() const { return records_; }
    void clearRecords() { records_.clear(); }
    // The texts shown with `kind`, oldest first.
    std::vector<QString> texts(Kind kind) const;

    // Without a queued answer: Cancel where offered, else No, else OK.
    Answer Information(const QString& text, bool withCancel = false) override;
    Answer Confirmation(const QString& text, bool withCancel = false) override;
    Answer Warning(const QString& text) override;
    void WarningWithOk(const QString& text) override;
    void Error(const QString& text) override;
    // Without a queued path: cancelled.
    std::optional<QString> OpenFile(const FileRequest& request) override;
    std::optional<QString> SaveFile(const FileRequest& request) override;
    // Without a queued answer: cancelled.
    std::optional<PuzzleSheetRequest> PuzzleSheetOptions(const PuzzleSheetRequest& proposal) override;
    // Records the folder; opens nothing. Reports a browser unless the test
    // took it away.
    bool OpenFolder(const QString& folder) override;
    bool hasFolderBrowser = true;
    // Runs while an error message is up, to look at the window behind it.
    std::function<void()> whileError;

private:
    Answer next(Answer fallback);
    std::optional<QString> nextPath();

    std::vector<Record> records_;
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> paths_;
    std::deque<std::optional<PuzzleSheetRequest>> sheets_;
};

} // namespace zol
